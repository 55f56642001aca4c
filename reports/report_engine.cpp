#include "reports/report_engine.h"

#include <QDir>

#include <functional>

#include "db/clock.h"
#include "reports/report_file.h"
#include "reports/report_output.h"
#include "reports/report_progress_dialog.h"

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

RenderedReport prepare(const QString& reportFile, const QList<DataSet>& dataSets,
                       const Progress& progress) {
    RenderedReport report = render(reportFile, dataSets);
    const int parts = int(report.htmlParts().size());
    common::report(progress, 1, 1 + parts);
    report.pageCount([&](int laidOut, int) { common::report(progress, 1 + laidOut, 1 + parts); });
    return report;
}

void run(const QString& reportFile, const QList<DataSet>& dataSets) {
    // The dialog closes before the output (the preview) opens.
    const RenderedReport report = [&] {
        WorkProgress dialog(QStringLiteral("Εκτύπωση"), QStringLiteral("Προετοιμασία εκτύπωσης…"));
        return prepare(reportFile, dataSets, std::ref(dialog));
    }();
    currentOutput().deliver(report);
}

void renderToPdf(const QString& reportFile, const QList<DataSet>& dataSets,
                 const QString& pdfPath) {
    writePdf(render(reportFile, dataSets), pdfPath);
}

}  // namespace reports
