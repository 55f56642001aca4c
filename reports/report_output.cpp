#include "reports/report_output.h"

#include <QFile>
#include <QPdfWriter>

#include "reports/report_document.h"
#include "reports/report_error.h"
#include "reports/report_preview.h"

namespace reports {

namespace {

ReportOutput*& installedOutput() {
    static ReportOutput* output = nullptr;
    return output;
}

}  // namespace

ReportOutput& currentOutput() {
    if (ReportOutput* output = installedOutput())
        return *output;
    static PreviewOutput preview;
    return preview;
}

ScopedOutput::ScopedOutput(ReportOutput& output) : previous_(installedOutput()) {
    installedOutput() = &output;
}

ScopedOutput::~ScopedOutput() {
    installedOutput() = previous_;
}

void writePdf(const RenderedReport& report, const QString& pdfPath) {
    {
        QFile probe(pdfPath);
        if (!probe.open(QIODevice::WriteOnly))
            throw Error(QStringLiteral("Δεν μπορεί να γραφτεί το αρχείο PDF %1").arg(pdfPath));
    }
    QPdfWriter writer(pdfPath);
    writer.setResolution(600);
    writer.setPageLayout(report.pageSetup().paperLayout());
    writer.setTitle(report.title());
    report.print(writer);
}

void RecordingOutput::deliver(const RenderedReport& report) {
    printed_.append(Printed{report.sourcePath(), report.title(), report.pageCount(),
                            report.plainText(), report.htmlParts()});
}

}  // namespace reports
