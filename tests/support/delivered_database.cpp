#include "support/delivered_database.h"

#include "db/schema.h"

namespace testsupport {

void makeDeliveredDatabase(const TempProgramDir& dir) {
    db::createDeliveredDatabase(dir.databasePath());
}

}  // namespace testsupport
