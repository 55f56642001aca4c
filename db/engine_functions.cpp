#include "db/engine_functions.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>
#include <bit>
#include <unordered_map>

#include "db/clock.h"
#include "db/error.h"
#include "db/greek_text.h"

namespace db {

namespace {

QString argText(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void resultText(sqlite3_context* context, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

// A stored date or date-time ("yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss"); invalid otherwise.
QDateTime storedDateTime(sqlite3_value* value) {
    if (sqlite3_value_type(value) != SQLITE_TEXT) {
        return {};
    }
    const QString text = argText(value);
    if (text.size() == 10) {
        return QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
    }
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool hasTime(sqlite3_value* value) {
    return sqlite3_value_bytes(value) > 10;
}

void today(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, Clock::today().toString(Qt::ISODate));
}

// The day of a stored date or date-time; invalid otherwise. A plain "yyyy-MM-dd" is read
// straight from its bytes: DAY(), MONTH() and YEAR() run once per row of a scan, and building a
// date-time for each costs far more than the statement's own work.
QDate storedDate(sqlite3_value* value) {
    if (sqlite3_value_type(value) == SQLITE_TEXT && sqlite3_value_bytes(value) == 10) {
        const auto* text = sqlite3_value_text(value);
        const auto number = [text](int from, int length) {
            int result = 0;
            for (int i = from; i < from + length; ++i) {
                if (text[i] < '0' || text[i] > '9') {
                    return -1;
                }
                result = result * 10 + (text[i] - '0');
            }
            return result;
        };
        const int year = number(0, 4);
        const int month = number(5, 2);
        const int day = number(8, 2);
        if (text[4] != '-' || text[7] != '-' || year < 0 || month < 0 || day < 0) {
            return {};
        }
        return QDate(year, month, day);
    }
    return storedDateTime(value).date();
}

template <int (QDate::*part)() const>
void datePart(sqlite3_context* context, int, sqlite3_value** argv) {
    const QDate day = storedDate(argv[0]);
    if (!day.isValid()) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, (day.*part)());
}

QString shortDate(const QDateTime& stamp, bool withTime) {
    return stamp.toString(withTime ? QStringLiteral("dd/MM/yyyy HH:mm:ss")
                                   : QStringLiteral("dd/MM/yyyy"));
}

// STR(): a date in the short date form; any other value as its text.
void str(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QDateTime stamp = storedDateTime(argv[0]);
    resultText(context, stamp.isValid() ? shortDate(stamp, hasTime(argv[0])) : argText(argv[0]));
}

bool isNegativeZero(const QByteArray& text) {
    if (!text.startsWith('-')) {
        return false;
    }
    for (const char c : QByteArrayView(text).sliced(1)) {
        if (c != '0' && c != '.') {
            return false;
        }
    }
    return true;
}

// What a Format pattern asks for: a date, or a number with so many decimals. Kept with its
// statement, it also keeps the texts of the numbers it formatted: amounts repeat from row to
// row, and formatting one costs more than finding it again.
struct FormatPattern {
    bool date = false;
    int decimals = 0;
    std::unordered_map<quint64, QByteArray> numbers;  // by the bits of the number
};

constexpr std::size_t kKeptNumbers = 4096;

FormatPattern* readPattern(sqlite3_value* value) {
    const QString pattern = argText(value).toLower();
    const qsizetype point = pattern.indexOf(u'.');
    auto* read = new FormatPattern;
    read->date = pattern.contains(u"dd") || pattern.contains(u"yy");
    read->decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    return read;
}

// The pattern of a statement's Format call is read once and kept with the statement while it
// stays the same, instead of once per row. The engine owns it and lets it go when the pattern
// changes (one read per row then) or the statement ends.
FormatPattern* patternOf(sqlite3_context* context, sqlite3_value* value) {
    if (auto* kept = static_cast<FormatPattern*>(sqlite3_get_auxdata(context, 1))) {
        return kept;
    }
    sqlite3_set_auxdata(context, 1, readPattern(value),
                        [](void* kept) { delete static_cast<FormatPattern*>(kept); });
    return static_cast<FormatPattern*>(sqlite3_get_auxdata(context, 1));
}

QByteArray formattedNumber(double number, int decimals) {
    QByteArray text = QByteArray::number(number, 'f', decimals);
    if (isNegativeZero(text)) {
        text.remove(0, 1);  // a tiny negative amount shows as 0.00, not -0.00
    }
    return text;
}

void resultBytes(sqlite3_context* context, const QByteArray& text) {
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

// Format(value, '0.00'), Format(date, "dd/mm/yyyy"); other number patterns "0", "0.0", ...
void format(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    FormatPattern* pattern = patternOf(context, argv[1]);
    if (!pattern) {  // the engine could not keep it (out of memory)
        sqlite3_result_error_nomem(context);
        return;
    }
    if (pattern->date) {
        const QDateTime stamp = storedDateTime(argv[0]);
        resultText(context, stamp.isValid() ? shortDate(stamp, false) : argText(argv[0]));
        return;
    }
    // Digits only: formatted straight into bytes, without a string of characters in between.
    const double number = sqlite3_value_double(argv[0]);
    const quint64 bits = std::bit_cast<quint64>(number);
    if (const auto found = pattern->numbers.find(bits); found != pattern->numbers.end()) {
        resultBytes(context, found->second);
        return;
    }
    const QByteArray text = formattedNumber(number, pattern->decimals);
    if (pattern->numbers.size() < kKeptNumbers) {
        pattern->numbers.emplace(bits, text);
    }
    resultBytes(context, text);
}

void ucase(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    resultText(context, argText(argv[0]).toUpper());
}

void len(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int64(context, argText(argv[0]).size());
}

// IIF(condition, then, else): a null or zero condition takes the else value. Both values are
// computed first, as in the original engine.
void iif(sqlite3_context* context, int, sqlite3_value** argv) {
    const bool holds =
        sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(context, holds ? argv[1] : argv[2]);
}

// "text LIKE pattern" calls like(pattern, text).
void like(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, likeGreek(argText(argv[1]), argText(argv[0])) ? 1 : 0);
}

int greekCollation(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareGreekUtf8(static_cast<const char*>(a), lengthA, static_cast<const char*>(b),
                            lengthB);
}

void check(sqlite3* handle, int rc) {
    if (rc != SQLITE_OK) {
        throw Error(QString::fromUtf8(sqlite3_errmsg(handle)), rc);
    }
}

void addFunction(sqlite3* handle, const char* name, int arguments,
                 void (*function)(sqlite3_context*, int, sqlite3_value**), bool deterministic) {
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    check(handle, sqlite3_create_function_v2(handle, name, arguments, flags, nullptr, function,
                                             nullptr, nullptr, nullptr));
}

}  // namespace

void registerEngineFunctions(sqlite3* handle) {
    check(handle, sqlite3_create_collation_v2(handle, "GREEK", SQLITE_UTF8, nullptr, greekCollation,
                                              nullptr));
    addFunction(handle, "VEL_DATE", 0, today, false);
    addFunction(handle, "VEL_DAY", 1, datePart<&QDate::day>, true);
    addFunction(handle, "VEL_MONTH", 1, datePart<&QDate::month>, true);
    addFunction(handle, "VEL_YEAR", 1, datePart<&QDate::year>, true);
    addFunction(handle, "VEL_STR", 1, str, true);
    addFunction(handle, "VEL_FORMAT", 2, format, true);
    addFunction(handle, "VEL_UCASE", 1, ucase, true);
    addFunction(handle, "VEL_LEN", 1, len, true);
    addFunction(handle, "VEL_IIF", 3, iif, true);
    addFunction(handle, "like", 2, like, true);
}

}  // namespace db
