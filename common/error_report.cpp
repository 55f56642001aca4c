#include "common/error_report.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QVariantHash>

#include "db/error.h"

namespace common {

namespace {

using namespace Qt::StringLiterals;

// What the staff are told when a row would repeat the unique key of its table. `named` holds
// the key's columns in braces, filled from the values the statement was writing; `unnamed` is
// said when those values are not known.
struct DuplicateKey {
    QStringView table;
    QStringView named;
    QStringView unnamed;
};

constexpr DuplicateKey kDuplicateKeys[] = {
    {u"CHILDREN", u"Υπάρχει ήδη παιδί με αριθμό μητρώου {ARITHMOS_MHTRWOY}.",
     u"Υπάρχει ήδη παιδί με αυτόν τον αριθμό μητρώου."},
    {u"APODEIKSEIS_DIDAKTRWN",
     u"Τα δίδακτρα του μήνα {MHNAS}/{ETOS} για το παιδί με αριθμό μητρώου {ARITHMOS_MHTRWOY} "
     u"είναι ήδη καταχωρημένα.",
     u"Τα δίδακτρα αυτού του μήνα για αυτό το παιδί είναι ήδη καταχωρημένα."},
    {u"APOYSIES",
     u"Η απουσία του παιδιού με αριθμό μητρώου {ARITHMOS_MHTRWOY} στις {HMEROMHNIA} είναι ήδη "
     u"καταχωρημένη.",
     u"Αυτή η απουσία του παιδιού είναι ήδη καταχωρημένη."},
    {u"RANTEBOU", u"Υπάρχει ήδη ραντεβού στις {HMEROMHNIA}.",
     u"Υπάρχει ήδη ραντεβού αυτή την ημέρα και ώρα."},
};

// The labels of the columns that statements of the program itself fill in; a typed field is
// refused by the window kit, under its own label, before the engine sees it.
struct ColumnLabel {
    QStringView column;
    QStringView label;
};

constexpr ColumnLabel kColumnLabels[] = {
    {u"ARITHMOS_MHTRWOY", u"Αριθμός μητρώου"},
    {u"HMEROMHNIA", u"Ημερομηνία"},
    {u"MHNAS", u"Μήνας"},
    {u"ETOS", u"Έτος"},
    {u"POSO", u"Ποσό"},
    {u"VAT", u"Φ.Π.Α"},
    {u"VAT_RATIO", u"Συντελεστής Φ.Π.Α (%)"},
};

// The rest of the engine failures the staff can meet.
struct Failure {
    db::Error::Kind kind;
    QStringView sentence;
};

constexpr QStringView kBusy =
    u"Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα και η εργασία δεν "
    u"ολοκληρώθηκε.\nΔοκιμάστε ξανά σε λίγο.";

constexpr Failure kFailures[] = {
    {db::Error::Kind::Busy, kBusy},
    {db::Error::Kind::DiskFull,
     u"Ο δίσκος όπου βρίσκεται το αρχείο data.mdb είναι γεμάτος και η εργασία δεν αποθηκεύτηκε."
     u"\nΕλευθερώστε χώρο στον δίσκο και δοκιμάστε ξανά."},
    {db::Error::Kind::ReadOnly,
     u"Το αρχείο data.mdb ή ο φάκελός του δέχεται μόνο ανάγνωση και η εργασία δεν αποθηκεύτηκε."
     u"\nΕπιτρέψτε την εγγραφή στο αρχείο και δοκιμάστε ξανά."},
    {db::Error::Kind::DiskError,
     u"Η εργασία δεν ολοκληρώθηκε: ο δίσκος όπου βρίσκεται το αρχείο data.mdb δεν διαβάζεται ή "
     u"δεν γράφεται.\nΕλέγξτε ότι ο δίσκος είναι συνδεδεμένος και δεν έχει γεμίσει."},
    {db::Error::Kind::Damaged,
     u"Το αρχείο της βάσης δεδομένων data.mdb είναι κατεστραμμένο και η εργασία δεν "
     u"ολοκληρώθηκε.\nΚλείστε το πρόγραμμα και επαναφέρετε το νεότερο αντίγραφο ασφαλείας της "
     u"βάσης."},
};

QString detailed(const QString& sentence, const db::Error& error) {
    return sentence + u"\n\nΛεπτομέρειες: "_s + error.message();
}

// "UNIQUE constraint failed: T.A, T.B" gives T and {A, B}; "CHECK constraint failed: A" gives
// no table and {A} (each CHECK is named after its column).
struct Constraint {
    QString table;
    QStringList columns;
};

Constraint failedConstraint(const QString& message) {
    Constraint constraint;
    const qsizetype colon = message.indexOf(u':');
    if (colon < 0) {
        return constraint;
    }
    for (const QString& qualified : message.mid(colon + 1).split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = qualified.trimmed().split(u'.');
        constraint.table = parts.size() > 1 ? parts.first() : QString();
        constraint.columns.append(parts.last());
    }
    return constraint;
}

QString shownValue(const QVariant& value) {
    if (value.typeId() == QMetaType::QDate) {
        return value.toDate().toString(u"dd/MM/yyyy"_s);
    }
    return value.toString();
}

// Fills the {COLUMN} marks of the sentence; empty when a value is not known.
QString filledIn(QStringView sentence, const QVariantHash& values) {
    static const QRegularExpression mark(u"\\{([A-Z_]+)\\}"_s);
    QString text = sentence.toString();
    for (const QRegularExpressionMatch& found : mark.globalMatch(sentence)) {
        const QVariant value = values.value(found.captured(1));
        if (value.isNull()) {
            return {};
        }
        text.replace(found.captured(0), shownValue(value));
    }
    return text;
}

QString duplicateKeySentence(const db::Error& error) {
    const QString table = failedConstraint(error.message()).table;
    for (const DuplicateKey& key : kDuplicateKeys) {
        if (key.table == table) {
            const QString named = filledIn(key.named, error.writtenValues());
            return named.isEmpty() ? key.unnamed.toString() : named;
        }
    }
    return u"Υπάρχει ήδη εγγραφή με τα ίδια στοιχεία."_s;
}

QString columnLabel(const QString& column) {
    for (const ColumnLabel& known : kColumnLabels) {
        if (known.column == column) {
            return known.label.toString();
        }
    }
    return {};
}

QString refusedValueSentence(const db::Error& error, bool missing) {
    const QStringList columns = failedConstraint(error.message()).columns;
    const QString label = columns.size() == 1 ? columnLabel(columns.first()) : QString();
    if (label.isEmpty()) {
        return missing ? u"Λείπει μια τιμή που πρέπει να συμπληρωθεί και η εργασία δεν έγινε."_s
                       : u"Μια τιμή δεν είναι δεκτή από τη βάση δεδομένων και η εργασία δεν "
                         u"έγινε."_s;
    }
    return missing ? u"Το πεδίο «%1» πρέπει να συμπληρωθεί."_s.arg(label)
                   : u"Η τιμή του πεδίου «%1» δεν είναι δεκτή."_s.arg(label);
}

}  // namespace

QString engineFailureSentence(const db::Error& error) {
    switch (error.kind()) {
        case db::Error::Kind::DuplicateKey:
            return duplicateKeySentence(error);
        case db::Error::Kind::MissingValue:
            return refusedValueSentence(error, true);
        case db::Error::Kind::RefusedValue:
            return refusedValueSentence(error, false);
        default:
            break;
    }
    for (const Failure& failure : kFailures) {
        if (error.kind() == failure.kind) {
            return failure.sentence.toString();
        }
    }
    return {};
}

QString errorReportText(const std::exception& error) {
    if (const auto* dbError = dynamic_cast<const db::Error*>(&error)) {
        const QString sentence = engineFailureSentence(*dbError);
        return sentence.isEmpty() ? dbError->message() : detailed(sentence, *dbError);
    }
    return QString::fromLocal8Bit(error.what());
}

QString databaseBusyMessage(const db::Error& error) {
    return detailed(kBusy.toString(), error);
}

}  // namespace common
