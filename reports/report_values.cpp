#include "reports/report_values.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace reports {

namespace {

QLocale greek() {
    return QLocale(QLocale::Greek, QLocale::Greece);
}

QString decimalText(double value) {
    QLocale locale = greek();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

QString dateTimeText(const QDateTime& value) {
    if (value.time() == QTime(0, 0))
        return value.date().toString(QStringLiteral("dd/MM/yyyy"));
    return value.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

}  // namespace

QString cellText(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
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

QDate readDate(const QString& text) {
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (date.isValid())
        return date;
    return QDate::fromString(text.section(QLatin1Char(' '), 0, 0), QStringLiteral("d/M/yyyy"));
}

}  // namespace

QString dateText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QDate date = readDate(trimmed);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : trimmed;
}

QString longDateText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QDate date = readDate(trimmed);
    return date.isValid() ? greek().toString(date, QStringLiteral("dddd d MMMM yyyy")) : trimmed;
}

QString monthName(const QString& text) {
    static const QStringList names = {
        QStringLiteral("Ιανουάριος"), QStringLiteral("Φεβρουάριος"), QStringLiteral("Μάρτιος"),
        QStringLiteral("Απρίλιος"),   QStringLiteral("Μάιος"),       QStringLiteral("Ιούνιος"),
        QStringLiteral("Ιούλιος"),    QStringLiteral("Αύγουστος"),   QStringLiteral("Σεπτέμβριος"),
        QStringLiteral("Οκτώβριος"),  QStringLiteral("Νοέμβριος"),   QStringLiteral("Δεκέμβριος")};
    bool ok = false;
    const int month = text.trimmed().toInt(&ok);
    if (!ok || month < 1 || month > 12)
        return text.trimmed();
    return names.at(month - 1);
}

}  // namespace reports
