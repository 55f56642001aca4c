#include "db/quoting.h"

namespace db {

namespace {

QString enclosed(const QString& text, QChar quote) {
    return quote + QString(text).replace(quote, QString(2, quote)) + quote;
}

}  // namespace

QString quotedText(const QString& text) {
    return enclosed(text, u'\'');
}

QString quotedName(const QString& name) {
    return enclosed(name, u'"');
}

}  // namespace db
