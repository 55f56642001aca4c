#include "db/typed_value.h"

#include "db/clock.h"
#include "db/error.h"

namespace db {

namespace {

// Reads the typed date from left to right, as the staff's dates have always been read.
class DateReader {
public:
    explicit DateReader(const QString& text) : text_(text) {}

    QDate read() {
        skipBlanks();
        int day = 0;
        int month = 0;
        if (!readNumber(day, nullptr) || !expectSlash() || !readNumber(month, nullptr)) {
            return {};
        }
        int year = Clock::today().year();
        skipBlanks();
        if (peekSlash()) {
            ++at_;
            skipBlanks();
            int digits = 0;
            int written = 0;
            if (readNumber(written, &digits)) {
                year = digits <= 2 ? completeYear(written) : written;
                skipBlanks();
                if (peekSlash()) {
                    ++at_;  // one optional trailing slash
                }
            }
            // A slash with no year after it is the optional trailing slash of "day/month/".
        }
        skipBlanks();
        if (at_ != text_.size() || year < 1 || year > 9999) {
            return {};
        }
        return QDate(year, month, day);  // invalid unless a real calendar date
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && text_.at(at_) == u' ') {
            ++at_;
        }
    }
    bool peekSlash() const { return at_ < text_.size() && text_.at(at_) == u'/'; }
    bool expectSlash() {
        skipBlanks();
        if (!peekSlash()) {
            return false;
        }
        ++at_;
        skipBlanks();
        return true;
    }
    // A run of decimal digits; reading stops once the value has reached 1000.
    bool readNumber(int& value, int* digits) {
        value = 0;
        int count = 0;
        while (at_ < text_.size() && text_.at(at_).isDigit() && text_.at(at_).unicode() < 0x80 &&
               value < 1000) {
            value = value * 10 + (text_.at(at_).unicode() - u'0');
            ++at_;
            ++count;
        }
        if (digits) {
            *digits = count;
        }
        return count > 0;
    }
    static int completeYear(int twoDigits) {
        const int base = Clock::today().year() - 50;
        int year = twoDigits + base / 100 * 100;
        if (year < base) {
            year += 100;
        }
        return year;
    }

    const QString& text_;
    qsizetype at_ = 0;
};

[[noreturn]] void refuse(const QString& typed, const QString& fieldName, const QString& expected) {
    throw Error(QStringLiteral("Η τιμή «%1» δεν είναι αποδεκτή για το πεδίο %2: %3.")
                    .arg(typed, fieldName, expected));
}

}  // namespace

QDate parseTypedDate(const QString& typed) { return DateReader(typed).read(); }

double parseDecimal(const QString& text, bool* ok) {
    QString normalized = text.trimmed();
    if (normalized.count(u',') + normalized.count(u'.') > 1) {
        *ok = false;
        return 0;
    }
    normalized.replace(u',', u'.');
    for (QChar c : normalized) {
        if (!(c.isDigit() && c.unicode() < 0x80) && c != u'.' && c != u'-' && c != u'+') {
            *ok = false;
            return 0;
        }
    }
    return normalized.toDouble(ok);
}

QVariant convertTypedValue(const QVariant& typed, ColumnKind kind, const QString& fieldName) {
    if (typed.isNull()) {
        return {};
    }
    if (typed.typeId() != QMetaType::QString) {
        return typed;  // already a value of its own kind
    }
    const QString text = typed.toString().trimmed();
    if (text.isEmpty()) {
        return {};
    }
    bool ok = false;
    switch (kind) {
        case ColumnKind::Integer: {
            const qlonglong number = text.toLongLong(&ok);
            if (!ok) {
                refuse(text, fieldName, QStringLiteral("δεκτός μόνο ακέραιος αριθμός"));
            }
            return number;
        }
        case ColumnKind::Decimal: {
            const double number = parseDecimal(text, &ok);
            if (!ok) {
                refuse(text, fieldName, QStringLiteral("δεκτός μόνο αριθμός"));
            }
            return number;
        }
        case ColumnKind::Date:
        case ColumnKind::DateTime: {
            const QDate date = parseTypedDate(text);
            if (!date.isValid()) {
                refuse(text, fieldName, QStringLiteral("η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ"));
            }
            return date;
        }
        case ColumnKind::YesNo:
            if (text == u"1" || text.compare(u"True", Qt::CaseInsensitive) == 0) {
                return true;
            }
            if (text == u"0" || text.compare(u"False", Qt::CaseInsensitive) == 0) {
                return false;
            }
            refuse(text, fieldName, QStringLiteral("δεκτό μόνο True ή False"));
        case ColumnKind::Text:
        case ColumnKind::LongText:
        case ColumnKind::Other:
            break;
    }
    return typed.toString();
}

}  // namespace db
