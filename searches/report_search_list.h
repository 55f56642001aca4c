#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace searches {

// The report file of the search results list.
QString searchListReportFile();

// Prints what a search found through the report engine: the list's report file receives the
// title lines (PERIGRAFH) and the children the search statement selects. A missing report file
// or a refused statement throws.
void printSearchList(db::Connection& connection, const QString& programDirectory,
                     const QString& searchStatement);

}  // namespace searches
