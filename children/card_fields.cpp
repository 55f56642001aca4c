#include "children/card_fields.h"

#include <stdexcept>

#include "common/day_hours.h"

namespace children {

using namespace Qt::StringLiterals;

namespace {

QStringList yesNo() {
    return {u"ΝΑΙ"_s, u"ΟΧΙ"_s};
}

QStringList schooling() {
    return {u"ΔΗΜΟΤΙΚΟ"_s, u"ΓΥΜΝΑΣΙΟ"_s, u"ΛΥΚΕΙΟ"_s, u"ΠΑΝΕΠΙΣΤΗΜΙΟ"_s};
}

// The red marks of a field, as bits.
enum Mark {
    Marked = 1,
    DateExample = 2,
    NoteIfNone = 4,
    NoteIfUnemployed = 8,
    NoteIfUnemployedFemale = 16,
    NoteIfSleepsAlone = 32,
};

struct Row {
    int number;
    QString column;
    QString label;
    FieldKind kind;
    QStringList values;
    int marks;
};

FieldNote noteOf(int marks) {
    if (marks & NoteIfNone)
        return FieldNote::LeaveEmptyIfNone;
    if (marks & NoteIfUnemployed)
        return FieldNote::LeaveEmptyIfUnemployed;
    if (marks & NoteIfUnemployedFemale)
        return FieldNote::LeaveEmptyIfUnemployedFemale;
    if (marks & NoteIfSleepsAlone)
        return FieldNote::LeaveEmptyIfSleepsAlone;
    return FieldNote::None;
}

void append(QList<CardField>& fields, CardSection section, const QList<Row>& rows) {
    for (const Row& row : rows) {
        CardField f;
        f.number = row.number;
        f.column = row.column;
        f.label = row.label;
        f.kind = row.kind;
        f.values = row.values;
        f.marked = row.marks & Marked;
        f.dateExample = row.marks & DateExample;
        f.note = noteOf(row.marks);
        f.section = section;
        fields.append(f);
    }
}

// clang-format off
QList<Row> personalRows() {
    return {
        {1, u"ARITHMOS_MHTRWOY"_s, u"Αριθμός μητρώου:"_s, FieldKind::WholeNumber, {}, Marked},
        {2, u"ONOMA_PAIDIOY"_s, u"Όνομα παιδιού:"_s, FieldKind::Text, {}, Marked},
        {3, u"EPWNYMO_PAIDIOY"_s, u"Επώνυμο παιδιού:"_s, FieldKind::Text, {}, Marked},
        {4, u"HMEROMHNIA_GENNHSEWS"_s, u"Ημερομηνία γεννήσεως:"_s, FieldKind::Date, {}, Marked | DateExample},
        {5, u"FYLO"_s, u"Φύλο:"_s, FieldKind::List, {u"Αγόρι"_s, u"Κορίτσι"_s}, Marked},
        {6, u"ONOMA_PATERA"_s, u"Ονοματεπώνυμο πατέρα:"_s, FieldKind::Text, {}, Marked},
        {7, u"ONOMA_MHTERAS"_s, u"Ονοματεπώνυμο μητέρας:"_s, FieldKind::Text, {}, Marked},
        {8, u"ONOMA_KHDEMONA"_s, u"Ονοματεπώνυμο κηδεμόνα:"_s, FieldKind::Text, {}, Marked},
        {9, u"DIEYTHYNSH_OIKIAS"_s, u"Διεύθυνση οικίας:"_s, FieldKind::Text, {}, Marked},
        {10, u"DIEYTHYNSH_KHDEMONA"_s, u"Διεύθυνση κηδεμόνα:"_s, FieldKind::Text, {}, Marked},
        {11, u"THLEFWNO_OIKIAS"_s, u"Τηλέφωνο οικίας:"_s, FieldKind::Text, {}, Marked},
        {12, u"THLEFWNO_ERGASIAS_PATERA"_s, u"Τηλέφωνο εργασίας πατέρα:"_s, FieldKind::Text, {}, 0},
        {13, u"THLEFWNO_ERGASIAS_MHTERAS"_s, u"Τηλέφωνο εργασίας μητέρας:"_s, FieldKind::Text, {}, 0},
        {14, u"THLEFWNO_ERGASIAS_KHDEMONA"_s, u"Τηλέφωνο εργασίας κηδεμόνα:"_s, FieldKind::Text, {}, Marked},
        {15, u"MOBILE"_s, u"Mobile:"_s, FieldKind::Text, {}, 0},
        {16, u"HLIKIA_PATERA"_s, u"Ηλικία πατέρα:"_s, FieldKind::Age, {}, 0},
        {17, u"HLIKIA_MHTERAS"_s, u"Ηλικία μητέρας:"_s, FieldKind::Age, {}, 0},
        {18, u"HLIKIA_KHDEMONA"_s, u"Ηλικία κηδεμόνα:"_s, FieldKind::Age, {}, Marked},
        {19, u"MORFWSH_PATERA"_s, u"Μόρφωση πατέρα:"_s, FieldKind::List, schooling(), Marked},
        {20, u"MORFWSH_MHTERAS"_s, u"Μόρφωση μητέρας:"_s, FieldKind::List, schooling(), Marked},
        {21, u"MORFWSH_KHDEMONA"_s, u"Μόρφωση κηδεμόνα:"_s, FieldKind::List, schooling(), Marked},
        {22, u"EPAGGELMA_PATERA"_s, u"Επάγγελμα πατέρα:"_s, FieldKind::Text, {}, NoteIfUnemployed},
        {23, u"EPAGGELMA_MHTERAS"_s, u"Επάγγελμα μητέρας:"_s, FieldKind::Text, {}, NoteIfUnemployedFemale},
        {24, u"EPAGGELMA_KHDEMONA"_s, u"Επάγγελμα κηδεμόνα:"_s, FieldKind::Text, {}, NoteIfUnemployed},
        {25, u"ZEI_O_PATERAS"_s, u"Ζεί ο πατέρας:"_s, FieldKind::YesNo, yesNo(), 0},
        {26, u"ZEI_H_MHTERA"_s, u"Ζεί η μητέρα:"_s, FieldKind::YesNo, yesNo(), 0},
        {27, u"BRISKONTAI_SE_DIASTASH"_s, u"Οι γονείς βρίσκονται σε διάσταση / είναι διαζευγμένοι:"_s, FieldKind::YesNo, yesNo(), 0},
        {28, u"THESH_PAIDIOY_STHN_OIKOGENEIA"_s, u"Θέση παιδιού στην οικογένεια:"_s, FieldKind::WholeNumber, {}, Marked},
        {29, u"EIDOS_KATOIKIAS"_s, u"Είδος κατοικίας:"_s, FieldKind::List, {u"Άλλο"_s, u"Διαμέρισμα"_s, u"Διπλοκατοικία"_s, u"Μονοκατοικία"_s}, Marked},
        {30, u"YPARXEI_AYLH"_s, u"Υπάρχει αυλή:"_s, FieldKind::YesNo, yesNo(), 0},
        {31, u"ARITHMOS_YPNODWMATIWN"_s, u"Αριθμός υπνοδωματίων:"_s, FieldKind::WholeNumber, {}, Marked},
        {32, u"DIKO_TOY_DWMATIO"_s, u"Έχει δικό του δωμάτιο:"_s, FieldKind::YesNo, yesNo(), 0},
        {33, u"ME_POIOYS_KOIMATAI"_s, u"Με ποιούς κοιμάται:"_s, FieldKind::Text, {}, NoteIfSleepsAlone},
        {34, u"EIDIKA_ENDIAFERONTA"_s, u"Ειδικά ενδιαφέροντα:"_s, FieldKind::LongText, {}, NoteIfNone},
        {35, u"ADELFOYS"_s, u"Αγόρια:"_s, FieldKind::WholeNumber, {}, Marked},
        {36, u"ADELFES"_s, u"Κορίτσια:"_s, FieldKind::WholeNumber, {}, Marked},
        {37, u"OIKOGENEIAKA_PROBLHMATA"_s, u"Οικογενειακά προβλήματα:"_s, FieldKind::LongText, {}, NoteIfNone},
    };
}
// clang-format on

// clang-format off
QList<Row> healthRows() {
    return {
        {38, u"EMBOLIO_ANEMEBLOGIAS"_s, u"Εμβόλιο ανεμεβλογιάς:"_s, FieldKind::Date, {}, DateExample},
        {39, u"EMBOLIO_DIFTHERITIDA"_s, u"Εμβόλιο διφθερίτιδας:"_s, FieldKind::Date, {}, DateExample},
        {40, u"EMBOLIO_TETANOS"_s, u"Εμβόλιο τετάνου:"_s, FieldKind::Date, {}, DateExample},
        {41, u"EMBOLIO_KOKKITHS"_s, u"Εμβόλιο κοκκίτη:"_s, FieldKind::Date, {}, DateExample},
        {42, u"EMBOLIO_ILARAS"_s, u"Εμβόλιο ιλαράς:"_s, FieldKind::Date, {}, DateExample},
        {43, u"EMBOLIO_PAROTITIDAS"_s, u"Εμβόλιο παρωτίτιδας:"_s, FieldKind::Date, {}, DateExample},
        {44, u"EMBOLIO_ERYTHRAS"_s, u"Εμβόλιο ερυθράς:"_s, FieldKind::Date, {}, DateExample},
        {45, u"EMBOLIO_POLYOMYELITIS"_s, u"Εμβόλιο πολυομυελίτιδας:"_s, FieldKind::Date, {}, DateExample},
        {46, u"EMBOLIO_YPATITIDAS_B"_s, u"Εμβόλιο ηπατίτιδας Β:"_s, FieldKind::Date, {}, DateExample},
        {47, u"ILARA"_s, u"Ιλαρά:"_s, FieldKind::YesNo, yesNo(), 0},
        {48, u"DIFTHERITIDA"_s, u"Διφθερίτιδα:"_s, FieldKind::YesNo, yesNo(), 0},
        {49, u"KOKKITHS"_s, u"Κοκκίτης:"_s, FieldKind::YesNo, yesNo(), 0},
        {50, u"PAROTITIDA"_s, u"Παρωτίτιδα:"_s, FieldKind::YesNo, yesNo(), 0},
        {51, u"ERYTHRA"_s, u"Ερυθρά:"_s, FieldKind::YesNo, yesNo(), 0},
        {52, u"WSTRAKIA"_s, u"Οστρακιά:"_s, FieldKind::YesNo, yesNo(), 0},
        {53, u"DIABHTHS"_s, u"Διαβήτης:"_s, FieldKind::YesNo, yesNo(), 0},
        {54, u"ZALIZETAI"_s, u"Ζαλίζεται:"_s, FieldKind::YesNo, yesNo(), 0},
        {55, u"LYPOTHIMA"_s, u"Λιποθυμά:"_s, FieldKind::YesNo, yesNo(), 0},
        {56, u"SYXNOOYRIA"_s, u"Συχνοουρία:"_s, FieldKind::YesNo, yesNo(), 0},
        {57, u"IDRWNEI_TO_BRADY"_s, u"Ιδρώνει το βράδυ:"_s, FieldKind::YesNo, yesNo(), 0},
        {58, u"SPAZEI_H_MYTH_TOY"_s, u"Αιμορραγεί η μύτη του:"_s, FieldKind::YesNo, yesNo(), 0},
        {59, u"KOYRAZETAI_EYKOLA"_s, u"Κουράζεται εύκολα:"_s, FieldKind::YesNo, yesNo(), 0},
        {60, u"DYSKOLIA_STHN_AKOH"_s, u"Δυσκολία στην ακοή:"_s, FieldKind::YesNo, yesNo(), 0},
        {61, u"DYSKOLIA_STHN_ORASH"_s, u"Δυσκολία στην όραση:"_s, FieldKind::YesNo, yesNo(), 0},
        {62, u"EPILHPSIA"_s, u"Επιληψία:"_s, FieldKind::YesNo, yesNo(), 0},
        {63, u"BROGXIKA"_s, u"Βρογχικά:"_s, FieldKind::YesNo, yesNo(), 0},
        {64, u"EKZEMA"_s, u"Έκζεμα"_s, FieldKind::YesNo, yesNo(), 0},
        {65, u"REYMATIKOS_PYRETOS"_s, u"Ρευματικό πυρετό:"_s, FieldKind::YesNo, yesNo(), 0},
        {66, u"KARDIOPATHEIA"_s, u"Καρδιοπάθεια:"_s, FieldKind::YesNo, yesNo(), 0},
        {67, u"PAIDIKH_PARALYSH"_s, u"Παιδική παράλυση:"_s, FieldKind::YesNo, yesNo(), 0},
        {68, u"ALLERGIES"_s, u"Αλλεργίες:"_s, FieldKind::LongText, {}, NoteIfNone},
        {69, u"ALLH_ARWSTIA"_s, u"Άλλη αρώστια:"_s, FieldKind::LongText, {}, NoteIfNone},
        {70, u"SOB_ASTHENEIES_MEXRI_SHMERA"_s, u"Σοβαρές ασθένειες μέχρι σήμερα:"_s, FieldKind::LongText, {}, NoteIfNone},
        {71, u"ALLA_PROSF_PROBL_FYS_KAT"_s, u"Άλλα πρόσφατα προβλήματα στη\nφυσική του κατάσταση:"_s, FieldKind::LongText, {}, NoteIfNone},
        {72, u"SOBARA_PROBLHMATA_YGEIAS"_s, u"Σοβαρά προβλήματα υγείας:"_s, FieldKind::LongText, {}, NoteIfNone},
        {73, u"SWMATIKA_ELATTWMATA"_s, u"Σωματικά ελαττώματα:"_s, FieldKind::LongText, {}, NoteIfNone},
        {74, u"BREXEI_TO_KREBATI_TOY"_s, u"Βρέχει το κρεβάτι του:"_s, FieldKind::YesNo, yesNo(), 0},
        {75, u"DAGKWNEI_TO_DAKTYLO_TOY"_s, u"Δαγκώνει το δάκτυλο του:"_s, FieldKind::YesNo, yesNo(), 0},
        {76, u"THYLAZEI_TO_DAKTYLO_TOY"_s, u"Θυλάζει το δάκτυλο του:"_s, FieldKind::YesNo, yesNo(), 0},
        {77, u"KSESPASMA_THYMOY"_s, u"Ξέσπασμα θυμού:"_s, FieldKind::YesNo, yesNo(), 0},
        {78, u"DYSTROPO"_s, u"Δύστροπο:"_s, FieldKind::YesNo, yesNo(), 0},
        {79, u"EXEI_FOBOYS"_s, u"Έχει φόβους:"_s, FieldKind::LongText, {}, NoteIfNone},
        {80, u"ARESEI_SYNTROFIA_PAIDIWN"_s, u"Του αρέσει η συντροφιά άλλων\nπαιδιών:"_s, FieldKind::YesNo, yesNo(), 0},
        {81, u"EIDIKA_PROBLHMATA_SYMPERIFORAS"_s, u"Προβλήματα συμπεριφοράς:"_s, FieldKind::LongText, {}, NoteIfNone},
        {82, u"KOINWNIKH_SYNAISTHIM_KATASTASH"_s, u"Κοινωνική και συναισθηματική\nκατάσταση (λεπτομέρειες):"_s, FieldKind::LongText, {}, NoteIfNone},
        {83, u"DRASTHRIOT_PREPEI_APOFEYGEI"_s, u"Δραστηριότητες που πρέπει να\nαποφεύγει:"_s, FieldKind::LongText, {}, NoteIfNone},
        {84, u"FAGHTA_APOFEYGEI"_s, u"Φαγητά που πρέπει να αποφεύγει:"_s, FieldKind::LongText, {}, NoteIfNone},
        {85, u"LOGOI_ENHMERO_NHPIAGWGEIO"_s, u"Ιατρικοί λόγοι για τους οποίους\nπρέπει να είναι ενήμερο το\nνηπιαγωγείο:"_s, FieldKind::LongText, {}, NoteIfNone},
        {86, u"ONOMA_GIATROY"_s, u"Ονοματεπώνυμο γιατρού:"_s, FieldKind::Text, {}, Marked},
        {87, u"DIEYTHYNSH_GIATROY"_s, u"Διεύθυνση γιατρού:"_s, FieldKind::Text, {}, Marked},
        {88, u"THLEFWNO_GIATROY"_s, u"Τηλέφωνο γιατρού:"_s, FieldKind::Text, {}, Marked},
        {89, u"ALLES_PLHROFORIES"_s, u"Άλλες πληροφορίες:"_s, FieldKind::LongText, {}, NoteIfNone},
    };
}
// clang-format on

// clang-format off
QList<Row> otherRows() {
    return {
        {90, u"METAFORA"_s, u"Μέσον προσέλευσης και αποχώρησης:"_s, FieldKind::List, {u"Ιδιωτικό"_s, u"Νηπιαγωγείο"_s}, Marked},
        {91, u"WRA_ERXETAI"_s, u"Ώρα προσέλευσης:"_s, FieldKind::List, common::arrivalHours(), Marked},
        {92, u"WRA_FEYGEI"_s, u"Ώρα αποχώρησης:"_s, FieldKind::List, common::departureHours(), Marked},
        {93, u"FAGHTO"_s, u"Του χορηγείται φαγητό από το νηπιαγωγείο:"_s, FieldKind::YesNo, yesNo(), Marked},
    };
}
// clang-format on

QList<CardField> makeFields() {
    QList<CardField> fields;
    append(fields, CardSection::Personal, personalRows());
    append(fields, CardSection::Health, healthRows());
    append(fields, CardSection::Other, otherRows());
    // The brothers and sisters stand under one heading of their own.
    for (CardField& f : fields) {
        if (f.column == u"ADELFOYS" || f.column == u"ADELFES") {
            f.groupHeading = u"Αριθμός αδελφών"_s;
        }
    }
    return fields;
}

}  // namespace

const QList<CardField>& cardFields() {
    static const QList<CardField> fields = makeFields();
    return fields;
}

QList<CardField> cardFields(CardSection section) {
    QList<CardField> result;
    for (const CardField& f : cardFields()) {
        if (f.section == section) {
            result.append(f);
        }
    }
    return result;
}

const CardField& cardField(const QString& column) {
    for (const CardField& f : cardFields()) {
        if (f.column.compare(column, Qt::CaseInsensitive) == 0) {
            return f;
        }
    }
    throw std::out_of_range("not a field of the child's card");
}

QString sectionHeading(CardSection section) {
    switch (section) {
        case CardSection::Personal:
            return u"Ατομικό Πληροφοριακό Δελτίο"_s;
        case CardSection::Health:
            return u"Δελτίο Υγείας"_s;
        case CardSection::Other:
            break;
    }
    return u"Άλλα Στοιχεία"_s;
}

QString noteText(FieldNote note) {
    switch (note) {
        case FieldNote::None:
            return {};
        case FieldNote::LeaveEmptyIfNone:
            return u"Να μην συμπληρωθεί αν δεν υπάρχουν"_s;
        case FieldNote::LeaveEmptyIfUnemployed:
            return u"Να μην συμπληρωθεί αν είναι άνεργος"_s;
        case FieldNote::LeaveEmptyIfUnemployedFemale:
            return u"Να μην συμπληρωθεί αν είναι άνεργη"_s;
        case FieldNote::LeaveEmptyIfSleepsAlone:
            break;
    }
    return u"Να μην συμπληρωθεί αν κοιμάται μόνος(η)"_s;
}

QString dateExampleText() {
    return u"(π.χ 28/12/2007)"_s;
}

}  // namespace children
