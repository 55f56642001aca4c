#include "reports/report_engine.h"

#include <QDir>

#include "db/clock.h"
#include "reports/report_file.h"
#include "reports/report_output.h"

namespace reports {

QString reportPath(const QString& programDirectory, const QString& fileName) {
    return QDir(programDirectory).filePath(fileName);
}

RenderedReport render(const QString& reportFile, const QList<DataSet>& dataSets) {
    const ReportFile file = ReportFile::load(reportFile);
    const QDate today = db::Clock::today();
    return RenderedReport(file.path(), file.title(), file.pageSetup(), file.render(dataSets, today),
                          today);
}

void run(const QString& reportFile, const QList<DataSet>& dataSets) {
    const RenderedReport report = render(reportFile, dataSets);
    currentOutput().deliver(report);
}

void renderToPdf(const QString& reportFile, const QList<DataSet>& dataSets,
                 const QString& pdfPath) {
    writePdf(render(reportFile, dataSets), pdfPath);
}

}  // namespace reports
