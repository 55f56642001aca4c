#pragma once

#include <QString>
#include <QTemporaryDir>

#include "support/qt_printers.h"

namespace testsupport {

// A program directory of its own for one test, removed with the object.
class TempProgramDir {
public:
    TempProgramDir();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    // The program's connection string for this directory.
    QString connectionString() const;

private:
    QTemporaryDir dir_;
};

// Writes an empty encrypted data.mdb (no tables) into the directory.
void makeEmptyDatabase(const TempProgramDir& dir);

}  // namespace testsupport
