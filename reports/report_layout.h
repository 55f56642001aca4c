#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

#include "reports/report_pagination.h"
#include "reports/report_table_grid.h"

class QPainter;
class QTextDocument;
class QTextTable;

namespace reports {

class GridBody;
class GridPainter;
class LaidOutTables;
struct TableRows;

// One part of a report (the whole report, or one row's pages of a page-per-row report) laid
// out for pages of a given printable size, in pixels of 1/96 inch: its HTML is read once with
// nothing laid out, its tables are prepared, the rows of its long lists are laid out here
// (GridBody), the rest of the text is laid out once as one long page, and the pages are cut
// from that layout.
class LaidOutPart {
public:
    LaidOutPart(const QString& html, const QSizeF& pageSize);
    ~LaidOutPart();
    LaidOutPart(const LaidOutPart&) = delete;
    LaidOutPart& operator=(const LaidOutPart&) = delete;

    int pageCount() const { return int(pages_.size()); }

    // The laid-out document and the stretches of it on each page.
    const QTextDocument& document() const { return *document_; }
    const QList<PageSlices>& pages() const { return pages_; }

    // Where the rows of a table of the document lie, with those laid out outside it.
    const TableRows& rowsOf(QTextTable& table) const;

    // Draws a page with the top left corner of its printable area at the painter's origin.
    void drawPage(QPainter& painter, int page) const;

private:
    // Reads the HTML and lays it out, with the rows of its long lists laid out here when they
    // can be.
    void read(const QString& html);
    // Lays the document out, and then the bodies; false when a body cannot be.
    bool layOut(const std::vector<std::unique_ptr<GridBody>>& bodies);

    double width_;
    std::unique_ptr<QTextDocument> document_;
    QList<PreparedTable> tables_;
    std::vector<std::unique_ptr<GridBody>> bodies_;
    std::unique_ptr<LaidOutTables> laidOut_;
    QList<PageSlices> pages_;
    std::unique_ptr<GridPainter> grids_;
};

// The device every report is laid out for: fonts are measured at 96 dots per inch, whatever
// the device it is drawn on, so that sizes written in the report files (px) mean the same on
// screen, paper and PDF.
constexpr double kLayoutDpi = 96.0;

}  // namespace reports
