#pragma once

#include "db/error.h"

namespace reports {

// A report that cannot be run: a missing, unreadable or malformed report file, or data sets
// that do not match the file's data connections. It is a db::Error so that it reaches the
// program's general error report like every other failure of a window's operation; the
// message is Greek and names the report file.
class Error : public db::Error {
public:
    explicit Error(const QString& message) : db::Error(message) {}
};

}  // namespace reports
