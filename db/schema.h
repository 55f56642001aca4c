#pragma once

#include <QString>

namespace db {

class Connection;

// The version of the delivered database's schema, kept in PRAGMA user_version.
int schemaVersion();

// db/schema.sql as compiled into the program: every table, key and saved query of the delivered
// database and the starting rows of its one-row tables, in the engine's own language.
QString schemaScript();

// Brings a database written by an earlier version of the program up to the current schema (in
// one transaction; nothing of the staff's data changes). Does nothing to a current one.
// Throws db::Error.
void upgradeSchema(Connection& connection);

// Writes the delivered database: a new file at path, encrypted with the program's database
// password, holding the whole schema and its starting rows. Refuses an existing file and leaves
// no file behind when it fails. Throws db::Error.
void createDeliveredDatabase(const QString& path);

}  // namespace db
