#include "support/delivered_database.h"

#include "db/schema.h"

namespace testsupport {

void makeDeliveredDatabase(const TempProgramDir& dir) {
    db::createDeliveredDatabase(dir.databasePath());
}

DeliveredDatabase::DeliveredDatabase() {
    makeDeliveredDatabase(dir_);
    connection_.setConnectionString(dir_.connectionString());
    connection_.open();
}

}  // namespace testsupport
