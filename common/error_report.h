#pragma once

#include <QString>
#include <exception>

namespace db {
class Error;
}

namespace common {

// The text the general error report shows for an exception no window handled: the exception's
// own text, except for a database busy with another connection, which the staff read in Greek
// with the engine's text kept as a detail.
QString errorReportText(const std::exception& error);

// A statement waited for another connection's lock for the whole busy timeout and gave up.
QString databaseBusyMessage(const db::Error& error);

}  // namespace common
