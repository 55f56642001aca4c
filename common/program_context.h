#pragma once

#include <QString>

namespace common {

// What the windows need to know of the running program: where it lives, the one connection
// string every window connects with, and whether the receipt numbering is set. The program's
// composition root owns the one instance, fills it during start-up and hands it to the windows
// it opens; tests make their own for the temporary program directory they work in.
struct ProgramContext {
    QString programDirectory;  // without a trailing separator
    QString connectionString;
    bool receiptNumberingSet = false;

    // Sets the program directory and builds the connection string from it.
    void setProgramDirectory(const QString& directory);

    // A file of the program directory (report files, data.mdb), with the platform's separator.
    QString programFile(const QString& fileName) const;
};

// The context of a program living in that directory, the receipt numbering not set.
ProgramContext programContextIn(const QString& directory);

}  // namespace common
