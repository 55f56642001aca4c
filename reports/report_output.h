#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace reports {

class RenderedReport;

// Where a report goes once it is filled: the print preview in the program, a recording in
// tests. Windows never choose; they run the report and the current output shows it.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // Shows, prints or stores the report and returns when that is done.
    virtual void deliver(const RenderedReport& report) = 0;
};

// The output reports go to; the print preview unless a ScopedOutput is in force.
ReportOutput& currentOutput();

// Sends reports to another output for as long as it lives (tests, tools).
class ScopedOutput {
public:
    explicit ScopedOutput(ReportOutput& output);
    ~ScopedOutput();
    ScopedOutput(const ScopedOutput&) = delete;
    ScopedOutput& operator=(const ScopedOutput&) = delete;

private:
    ReportOutput* previous_;
};

// Writes the report as a PDF file on its own paper; throws reports::Error when the file cannot
// be written.
void writePdf(const RenderedReport& report, const QString& pdfPath);

// Keeps what each report printed, for tests of the windows that print.
class RecordingOutput : public ReportOutput {
public:
    struct Printed {
        QString sourcePath;
        QString title;
        int pages = 0;
        QString text;
        QStringList html;
    };

    void deliver(const RenderedReport& report) override;
    const QList<Printed>& printed() const { return printed_; }

private:
    QList<Printed> printed_;
};

}  // namespace reports
