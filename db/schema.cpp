#include "db/schema.h"

#include <QFile>

#include "db/connection.h"
#include "db/connection_string.h"
#include "db/error.h"
#include "db/statement.h"
#include "db/transaction.h"

// The schema lives in a resource of the static core library; nothing refers to the resource's
// object file, so its registration must be asked for (outside any namespace).
static void registerSchemaResource() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(schema);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace db {

namespace {

constexpr int kSchemaVersion = 2;

// What each version added to the one before it; the statements repeat db/schema.sql.
struct SchemaStep {
    int version;
    const char* statement;
};
constexpr SchemaStep kSchemaSteps[] = {
    {2, "CREATE INDEX IF NOT EXISTS APODEIKSEIS_HISTORY_DATE ON APODEIKSEIS_HISTORY (HMEROMHNIA)"},
};

// A connection string naming one file, in the form the connection reads.
QString connectionStringFor(const QString& path) {
    return QStringLiteral("Data Source=") + path + QStringLiteral(";Jet OLEDB:Database Password=") +
           databasePassword();
}

void buildSchema(const QString& path) {
    Connection connection(connectionStringFor(path));
    connection.open();
    Transaction transaction(connection);
    connection.executeNative(schemaScript());
    transaction.commit();
}

}  // namespace

int schemaVersion() {
    return kSchemaVersion;
}

QString schemaScript() {
    registerSchemaResource();
    QFile file(QStringLiteral(":/db/schema.sql"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Error(QStringLiteral("The schema script is missing from the program"));
    }
    return QString::fromUtf8(file.readAll());
}

void upgradeSchema(Connection& connection) {
    const auto versionOf = [&connection] {
        Statement version(connection, QStringLiteral("PRAGMA user_version"));
        version.step();
        return version.value(0).toInt();
    };
    if (versionOf() >= kSchemaVersion) {
        return;
    }
    Transaction transaction(connection);
    // Read again inside the transaction: another copy of the program may have upgraded it.
    const int version = versionOf();
    for (const SchemaStep& step : kSchemaSteps) {
        if (step.version > version) {
            connection.executeNative(QString::fromLatin1(step.statement));
        }
    }
    connection.executeNative(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    transaction.commit();
}

void createDeliveredDatabase(const QString& path) {
    Connection::createFile(path, databasePassword());
    try {
        buildSchema(path);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

}  // namespace db
