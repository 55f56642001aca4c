#pragma once

#include <QString>
#include <QTemporaryDir>

#include "common/program_context.h"
#include "db/connection.h"
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
    // The context of a program living in this directory, as the windows are given it.
    common::ProgramContext programContext() const { return common::programContextIn(path()); }

private:
    QTemporaryDir dir_;
};

// Writes an empty encrypted data.mdb (no tables) into the directory.
void makeEmptyDatabase(const TempProgramDir& dir);

// A program directory of its own holding a database, and an open connection to it.
class TempDatabase {
public:
    const TempProgramDir& dir() const { return dir_; }
    db::Connection& connection() { return connection_; }

protected:
    // make writes the database into the directory.
    explicit TempDatabase(void (*make)(const TempProgramDir&));

private:
    TempProgramDir dir_;
    db::Connection connection_;
};

// An empty database: the ground for tests that make their own tables.
class EmptyDatabase : public TempDatabase {
public:
    EmptyDatabase() : TempDatabase(&makeEmptyDatabase) {}
};

}  // namespace testsupport
