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
    return kind() == Kind::DuplicateKey;
}

Error::Kind Error::kind() const {
    switch (code_) {
        case SQLITE_CONSTRAINT_UNIQUE:
        case SQLITE_CONSTRAINT_PRIMARYKEY:
            return Kind::DuplicateKey;
        case SQLITE_CONSTRAINT_NOTNULL:
            return Kind::MissingValue;
        case SQLITE_CONSTRAINT_CHECK:
            return Kind::RefusedValue;
        default:
            break;
    }
    switch (code_ & 0xff) {
        case SQLITE_MISMATCH:
            return Kind::RefusedValue;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Kind::Busy;
        case SQLITE_FULL:
            return Kind::DiskFull;
        case SQLITE_READONLY:
            return Kind::ReadOnly;
        case SQLITE_IOERR:
            return Kind::DiskError;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return Kind::Damaged;
        default:
            return Kind::Other;
    }
}

}  // namespace db
