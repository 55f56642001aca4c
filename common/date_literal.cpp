#include "common/date_literal.h"

#include "db/clock.h"
#include "db/typed_value.h"

namespace common {

namespace {

QString literalOf(const QDate& date) {
    return QStringLiteral("#%1/%2/%3#").arg(date.month()).arg(date.day()).arg(date.year());
}

}  // namespace

void toDateLiteral(QString& text) {
    const QDate date = db::parseTypedDate(text);
    text = date.isValid() ? literalOf(date) : dateLiteralError();
}

QString dateLiteral(const QString& typed) {
    QString text = typed;
    toDateLiteral(text);
    return text;
}

QString todayLiteral() {
    return literalOf(db::Clock::today());
}

QString shortDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace common
