#include "attendance/report_register.h"

#include "attendance/attendance_register.h"
#include "db/table.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

namespace attendance {

QString registerReportFile() {
    return QStringLiteral("PAROYSIOLOGIO.RAV");
}

void printRegister(db::Connection& connection, const QString& programDirectory) {
    db::Table children(connection, registerTable());
    children.setSort(registerOrder());
    children.open();
    db::Table titleLines(connection, QStringLiteral("PERIGRAFH"));
    titleLines.open();
    reports::run(reports::reportPath(programDirectory, registerReportFile()),
                 {reports::dataSet(QStringLiteral("RvDataSetConnection15"), children),
                  reports::dataSet(QStringLiteral("RvDataSetConnection16"), titleLines)});
}

}  // namespace attendance
