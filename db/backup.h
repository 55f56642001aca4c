#pragma once

#include <QString>

namespace db {

// Writes a copy of the database file at sourcePath into a new file at targetPath, encrypted with
// the same password, through the engine's online backup: the copy is the state of one moment
// even while another connection writes. Refuses an existing target; a failed copy leaves no file
// behind. Throws db::Error naming the file.
void backupDatabase(const QString& sourcePath, const QString& targetPath, const QString& password);

enum class CheckDepth {
    Quick,  // every page and the structure of every table (PRAGMA quick_check)
    Full,   // and every index against its table (PRAGMA integrity_check)
};

enum class FileCheck {
    Sound,        // opens with the password, passes the check and holds tables
    DoesNotOpen,  // missing, or its first page does not read with the password
    Damaged,      // opens, but its pages or tables are broken, or it holds no tables
};

// Opens the database file with the password and has the engine check it. Never throws.
// A wrong password and damage to the very first page look alike to the engine: both are
// DoesNotOpen.
FileCheck checkDatabaseFile(const QString& path, const QString& password, CheckDepth depth);

}  // namespace db
