#pragma once

#include <QString>

namespace db {

// The database password of the delivered data.mdb.
QString databasePassword();

// The program's connection string: the provider part, the program directory followed by the
// platform's separator and data.mdb, and the database password.
QString buildConnectionString(const QString& programDirectory, const QString& password);

// The same connection string for a database file of any name (a backup copy).
QString fileConnectionString(const QString& path, const QString& password);

struct ConnectionSettings {
    QString dataSource;  // path of the database file
    QString password;    // database password, applied as the encryption key
};

// Reads Data Source and the database password back from a connection string. The values may
// themselves contain ';' (a folder name can), so a value runs up to the next known key.
ConnectionSettings parseConnectionString(const QString& connectionString);

}  // namespace db
