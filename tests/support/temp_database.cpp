#include "support/temp_database.h"

#include <QDir>

#include "db/connection.h"
#include "db/connection_string.h"

namespace testsupport {

TempProgramDir::TempProgramDir()
    : dir_(QDir::tempPath() + QStringLiteral("/velorima-test-XXXXXX")) {}

QString TempProgramDir::databasePath() const {
    return path() + QStringLiteral("/data.mdb");
}

QString TempProgramDir::connectionString() const {
    return db::buildConnectionString(QDir::toNativeSeparators(path()), db::databasePassword());
}

void makeEmptyDatabase(const TempProgramDir& dir) {
    db::Connection::createFile(dir.databasePath(), db::databasePassword());
}

TempDatabase::TempDatabase(void (*make)(const TempProgramDir&)) {
    make(dir_);
    connection_.setConnectionString(dir_.connectionString());
    connection_.open();
}

}  // namespace testsupport
