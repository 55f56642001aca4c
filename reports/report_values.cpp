#include "reports/report_values.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <optional>

#include "common/date_literal.h"
#include "common/month_names.h"

namespace reports {

namespace {

const QLocale& greek() {
    static const QLocale locale(QLocale::Greek, QLocale::Greece);
    return locale;
}

QString decimalText(double value) {
    QLocale locale = greek();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

QString dateTimeText(const QDateTime& value) {
    if (value.time() == QTime(0, 0))
        return common::shortDate(value.date());
    return value.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

}  // namespace

QString cellText(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
        case QMetaType::QDate:
            return common::shortDate(value.toDate());
        case QMetaType::QDateTime:
            return dateTimeText(value.toDateTime());
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("Ναι") : QStringLiteral("Όχι");
        case QMetaType::Double:
        case QMetaType::Float:
            return decimalText(value.toDouble());
        default:
            return value.toString();
    }
}

double parseNumber(const QString& text, bool* ok) {
    QString number = text.trimmed();
    number.remove(QLatin1Char(' '));
    const qsizetype comma = number.lastIndexOf(QLatin1Char(','));
    const qsizetype point = number.lastIndexOf(QLatin1Char('.'));
    if (comma >= 0 && point >= 0) {
        // Both present: the later one is the decimal separator, the other groups thousands.
        const QChar grouping = comma > point ? QLatin1Char('.') : QLatin1Char(',');
        number.remove(grouping);
    }
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    return QLocale::c().toDouble(number, ok);
}

QString moneyText(const QString& text) {
    bool ok = false;
    const double value = parseNumber(text, &ok);
    if (!ok)
        return text.trimmed();
    return greek().toString(value, 'f', 2);
}

namespace {

// The number written with the digits text[from, to), or -1 when they are not all digits.
int number(QStringView text, qsizetype from, qsizetype to) {
    int value = 0;
    for (qsizetype i = from; i < to; ++i) {
        if (!text.at(i).isDigit())
            return -1;
        value = value * 10 + text.at(i).digitValue();
    }
    return from < to ? value : -1;
}

// The two forms the database hands, yyyy-mm-dd and d/m/yyyy, read digit by digit: reading
// them with a format string costs more than everything else a report does with a date, and
// a long list has thousands. Anything else goes through the toolkit as written.
std::optional<QDate> readCommonDate(QStringView text) {
    if (text.size() >= 10 && text.at(4) == u'-' && text.at(7) == u'-') {
        const int year = number(text, 0, 4);
        const int month = number(text, 5, 7);
        const int day = number(text, 8, 10);
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    const QStringView first = text.left(text.indexOf(u' ') < 0 ? text.size() : text.indexOf(u' '));
    const qsizetype slash = first.indexOf(u'/');
    const qsizetype second = first.indexOf(u'/', slash + 1);
    if (slash >= 1 && slash <= 2 && second - slash >= 2 && second - slash <= 3 &&
        first.size() - second == 5) {
        const int day = number(first, 0, slash);
        const int month = number(first, slash + 1, second);
        const int year = number(first, second + 1, first.size());
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    return std::nullopt;
}

QDate readDate(const QString& text) {
    if (const std::optional<QDate> common = readCommonDate(text))
        return *common;
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (date.isValid())
        return date;
    return QDate::fromString(text.section(QLatin1Char(' '), 0, 0), QStringLiteral("d/M/yyyy"));
}

}  // namespace

QString dateText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QDate date = readDate(trimmed);
    return date.isValid() ? common::shortDate(date) : trimmed;
}

QString longDateText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QDate date = readDate(trimmed);
    return date.isValid() ? greek().toString(date, QStringLiteral("dddd d MMMM yyyy")) : trimmed;
}

namespace {

QString monthNameIn(const QString& text, common::MonthCase grammaticalCase) {
    bool ok = false;
    const int month = text.trimmed().toInt(&ok);
    if (!ok || month < 1 || month > 12)
        return text.trimmed();
    return common::monthName(month, grammaticalCase);
}

}  // namespace

QString monthName(const QString& text) {
    return monthNameIn(text, common::MonthCase::Nominative);
}

QString monthNameGenitive(const QString& text) {
    return monthNameIn(text, common::MonthCase::Genitive);
}

}  // namespace reports
