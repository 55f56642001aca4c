#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace attendance {

// The report file of the attendance register.
QString registerReportFile();

// Prints the register the last build left through the report engine: the register's report
// file receives APOYSIES_TEMP in surname order and the title lines (PERIGRAFH). A missing report
// file or a failing read throws.
void printRegister(db::Connection& connection, const QString& programDirectory);

}  // namespace attendance
