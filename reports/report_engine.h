#pragma once

#include <QList>
#include <QString>

#include "reports/report_dataset.h"
#include "reports/report_document.h"

namespace reports {

// The report file of the given name in the program directory.
QString reportPath(const QString& programDirectory, const QString& fileName);

// Reads the report file and fills it with the data sets (by data connection name); the print
// date is today by the program's clock. Throws reports::Error naming the file when it is
// missing, unreadable or malformed, or when the data sets do not match its data connections.
RenderedReport render(const QString& reportFile, const QList<DataSet>& dataSets);

// Fills a report and lays it out on its own paper, as the preview and the printer receive it;
// `progress` counts the filling as one step and every part laid out as one more.
RenderedReport prepare(const QString& reportFile, const QList<DataSet>& dataSets,
                       const Progress& progress);

// Runs a report: prepares it, with a progress dialog when that takes more than about a second,
// hands it to the current output (the print preview in the program) and returns when the
// output is done.
void run(const QString& reportFile, const QList<DataSet>& dataSets);

// Fills a report and writes it straight to a PDF file, with no dialog.
void renderToPdf(const QString& reportFile, const QList<DataSet>& dataSets, const QString& pdfPath);

}  // namespace reports
