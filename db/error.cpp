#include "db/error.h"

#include <sqlite3.h>

namespace db {

Error::Error(const QString& message, int code, const QString& statement)
    : std::runtime_error(message.toStdString()),
      message_(message),
      code_(code),
      statement_(statement) {}

bool Error::isBusy() const {
    return (code_ & 0xff) == SQLITE_BUSY;
}

bool Error::isUniqueViolation() const {
    return code_ == SQLITE_CONSTRAINT_UNIQUE || code_ == SQLITE_CONSTRAINT_PRIMARYKEY;
}

}  // namespace db
