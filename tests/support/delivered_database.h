#pragma once

#include "db/connection.h"
#include "support/temp_database.h"

namespace testsupport {

// Writes the delivered data.mdb (every table, key and saved query, and the starting rows) into
// the directory, as the database maker does.
void makeDeliveredDatabase(const TempProgramDir& dir);

// A program directory of its own holding the delivered database, and an open connection to it.
class DeliveredDatabase : public TempDatabase {
public:
    DeliveredDatabase() : TempDatabase(&makeDeliveredDatabase) {}
};

}  // namespace testsupport
