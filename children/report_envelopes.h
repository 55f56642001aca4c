#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace children {

// Prints the envelopes through the report engine: FAKELLOI.rav receives the envelopes
// statement's rows. A missing report file or a refused statement throws.
void printEnvelopes(db::Connection& connection, const QString& programDirectory);

}  // namespace children
