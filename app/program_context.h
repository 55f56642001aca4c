#pragma once

#include <QString>

namespace app {

// The process-wide values set once during start-up and read by every window: where the program
// lives, the one connection string every window connects with, and the two flags the main
// window keeps. Tests fill it for the temporary program directory they work in.
struct ProgramContext {
    QString programDirectory;  // without a trailing separator
    QString connectionString;
    bool receiptNumberingSet = false;
    bool accessGranted = false;
    QString storedPassword;
};

ProgramContext& context();

// Sets the program directory and builds the connection string from it.
void setProgramDirectory(const QString& directory);

// A file of the program directory (report files, data.mdb), with the platform's separator.
QString programFile(const QString& fileName);

}  // namespace app
