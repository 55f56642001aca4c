#pragma once

#include <QString>

namespace db {

// The version of the delivered database's schema, kept in PRAGMA user_version.
int schemaVersion();

// db/schema.sql as compiled into the program: every table, key and saved query of the delivered
// database and the starting rows of its one-row tables, in the engine's own language.
QString schemaScript();

// Writes the delivered database: a new file at path, encrypted with the program's database
// password, holding the whole schema and its starting rows. Refuses an existing file and leaves
// no file behind when it fails. Throws db::Error.
void createDeliveredDatabase(const QString& path);

}  // namespace db
