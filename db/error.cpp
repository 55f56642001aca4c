#include "db/error.h"

namespace db {

Error::Error(const QString& message, int code, const QString& statement)
    : std::runtime_error(message.toStdString()),
      message_(message),
      code_(code),
      statement_(statement) {}

}  // namespace db
