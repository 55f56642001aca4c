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

// "1.200" may be one thousand two hundred or one point two: one to three digits, not starting
// with a zero, before the point and exactly three after it.
bool readsAsThousandsGroup(QStringView number) {
    const qsizetype point = number.indexOf(u'.');
    const qsizetype before = point;
    const qsizetype after = number.size() - point - 1;
    return before >= 1 && before <= 3 && number.at(0) != u'0' && after == 3;
}

[[noreturn]] void refuse(const QString& typed, const QString& fieldName, const QString& expected) {
    throw Error(QStringLiteral("Η τιμή «%1» δεν είναι αποδεκτή για το πεδίο %2: %3.")
                    .arg(typed, fieldName, expected));
}

}  // namespace

QDate parseTypedDate(const QString& typed) {
    return DateReader(typed).read();
}

TypedDecimal readTypedDecimal(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype signLength = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0;
    const QStringView unsignedPart = QStringView(trimmed).mid(signLength);
    const qsizetype commas = unsignedPart.count(u',');
    const qsizetype points = unsignedPart.count(u'.');
    qsizetype digits = 0;
    bool blanks = false;
    for (QChar c : unsignedPart) {
        if (c.isDigit() && c.unicode() < 0x80) {
            ++digits;
        } else if (c.isSpace()) {
            blanks = true;
        } else if (c != u',' && c != u'.') {
            return {};
        }
    }
    if (digits == 0) {
        return {};
    }
    if (blanks || commas + points > 1) {
        return {DecimalReading::Grouped, 0};
    }
    if (points == 1 && readsAsThousandsGroup(unsignedPart)) {
        return {DecimalReading::Grouped, 0};
    }
    bool ok = false;
    const double value = QString(trimmed).replace(u',', u'.').toDouble(&ok);
    return ok ? TypedDecimal{DecimalReading::Number, value} : TypedDecimal{};
}

double parseDecimal(const QString& text, bool* ok) {
    const TypedDecimal typed = readTypedDecimal(text);
    *ok = typed.reading == DecimalReading::Number;
    return *ok ? typed.value : 0;
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
            const TypedDecimal number = readTypedDecimal(text);
            if (number.reading == DecimalReading::Grouped) {
                refuse(text, fieldName,
                       QStringLiteral("γράψε τον αριθμό χωρίς διαχωριστικό χιλιάδων, με κόμμα "
                                      "για τα δεκαδικά (π.χ. 1200,50)"));
            }
            if (number.reading != DecimalReading::Number) {
                refuse(text, fieldName, QStringLiteral("δεκτός μόνο αριθμός"));
            }
            return number.value;
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
