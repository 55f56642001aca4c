#include "db/connection_string.h"

#include <QDir>
#include <QStringList>

namespace db {

namespace {

const QStringList& knownKeys() {
    static const QStringList keys = {
        QStringLiteral("Provider"),
        QStringLiteral("Password"),
        QStringLiteral("Data Source"),
        QStringLiteral("Persist Security Info"),
        QStringLiteral("Jet OLEDB:Database Password"),
    };
    return keys;
}

// Where the value of `key` ends: at the next ";<known key>=", or at the end of the text.
qsizetype valueEnd(const QString& text, qsizetype from) {
    qsizetype end = text.size();
    for (const QString& key : knownKeys()) {
        const qsizetype at = text.indexOf(u';' + key + u'=', from, Qt::CaseInsensitive);
        if (at >= 0 && at < end) {
            end = at;
        }
    }
    return end;
}

QString valueOf(const QString& text, const QString& key) {
    const QString marker = key + u'=';
    qsizetype at = 0;
    // The key must start the text or follow a ';' (so "Password=" does not match inside
    // "Database Password=").
    while ((at = text.indexOf(marker, at, Qt::CaseInsensitive)) >= 0) {
        if (at == 0 || text.at(at - 1) == u';') {
            const qsizetype begin = at + marker.size();
            return text.mid(begin, valueEnd(text, begin) - begin);
        }
        at += marker.size();
    }
    return {};
}

}  // namespace

QString databasePassword() {
    return QStringLiteral("QRT731K");
}

QString buildConnectionString(const QString& programDirectory, const QString& password) {
    return fileConnectionString(programDirectory + QDir::separator() + QStringLiteral("data.mdb"),
                                password);
}

QString fileConnectionString(const QString& path, const QString& password) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=\"\";Data Source=") + path +
           QStringLiteral(";Persist Security Info=True;Jet OLEDB:Database Password=") + password;
}

ConnectionSettings parseConnectionString(const QString& connectionString) {
    return {valueOf(connectionString, QStringLiteral("Data Source")),
            valueOf(connectionString, QStringLiteral("Jet OLEDB:Database Password"))};
}

}  // namespace db
