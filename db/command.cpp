#include "db/command.h"

#include "db/connection.h"

namespace db {

int Command::execute() {
    return connection_->execute(statement_);
}

}  // namespace db
