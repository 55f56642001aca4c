#include "db/schema.h"

#include <QFile>

#include "db/connection.h"
#include "db/connection_string.h"
#include "db/error.h"
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

constexpr int kSchemaVersion = 1;

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
