#pragma once

#include <QString>
#include <exception>

namespace db {
class Error;
}

namespace common {

// The text the general error report shows for an exception no window handled. The engine
// failures the staff can cause (a duplicate key, a value a column refuses, the file in use by
// another program, the disk full or read-only, a damaged file) read as a Greek sentence saying
// what is wrong, with the engine's own text kept below it as a detail for support. Any other
// failure shows its own text.
QString errorReportText(const std::exception& error);

// The Greek sentence for an engine failure, without the detail; empty when the failure is not
// one the staff can be told about in their words.
QString engineFailureSentence(const db::Error& error);

// A statement waited for another connection's lock for the whole busy timeout and gave up.
QString databaseBusyMessage(const db::Error& error);

}  // namespace common
