#pragma once

#include <QList>
#include <QString>

#include "reports/report_dataset.h"

namespace db {
class Connection;
}

namespace finance {

// Prints the yearly tuition status as built into DIDAKTRA_TEMP, with the title lines of
// PERIGRAFH, through DIDAKTRA.RAV. A missing report file throws.
void printYearlyStatus(db::Connection& connection, const QString& programDirectory);

// What the print hands the report: the status rows and the title lines, by data connection.
QList<reports::DataSet> yearlyStatusData(db::Connection& connection);

}  // namespace finance
