#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "reports/report_page_setup.h"

namespace reports {

struct DataSet;

// A report file: an HTML document with Mustache sections, read from disk and checked.
//
// The file declares itself in <meta> elements of its head:
//   <meta name="data-connections" content="RvDataSetConnection5a RvDataSetConnection6a">
//       the data sets it reads, by the names the program hands them under (required);
//   <meta name="page-size" content="A4">, <meta name="orientation" content="landscape">,
//   <meta name="margins" content="12 10 15 10">, <meta name="footer" content="none">
//       the paper (see PageSetup);
//   <meta name="page-per-row" content="RvDataSetConnection9">
//       the whole document is printed once per row of that data set, each copy starting on a
//       new page (one card per child, one envelope per guardian).
// Its <title> names the print job.
class ReportFile {
public:
    // Reads and checks the file; throws reports::Error naming the path when it is missing,
    // unreadable, not UTF-8 text, or malformed (a broken section, a missing or wrong setting).
    static ReportFile load(const QString& path);

    QString path() const { return path_; }
    QString title() const { return title_; }
    const PageSetup& pageSetup() const { return pageSetup_; }

    // The HTML of each part that starts on a new page: one part, or one per row of the
    // page-per-row data set (one part, with no row, when that data set is empty). Throws
    // reports::Error when the data sets do not match the file's data connections.
    QStringList render(const QList<DataSet>& dataSets, const QDate& printDate) const;

private:
    ReportFile() = default;
    void readSettings();
    void applySetting(const QString& name, const QString& value);
    void checkDataSets(const QList<DataSet>& dataSets) const;

    QString path_;
    QString source_;
    QString title_;
    PageSetup pageSetup_;
    QStringList dataConnections_;
    QString pagePerRow_;
};

}  // namespace reports
