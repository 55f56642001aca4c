#include "reports/report_pagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>

namespace reports {

namespace {

// What is left under a filled row: room for its padding and border, not for a line of text.
constexpr double kFootClearance = 6.0;

struct RowExtent {
    double top = 0;
    double bottom = 0;
    QTextBlock lowestBlock;  // the last block of the row's tallest cell
};

RowExtent rowExtent(const QTextDocument& document, QTextTable& table, int row) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    RowExtent extent{1e12, -1e12, QTextBlock()};
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        if (cell.column() != column || cell.row() != row)
            continue;
        const QRectF first = layout->blockBoundingRect(cell.firstCursorPosition().block());
        const QRectF last = layout->blockBoundingRect(cell.lastCursorPosition().block());
        extent.top = std::min(extent.top, first.top());
        if (last.bottom() > extent.bottom) {
            extent.bottom = last.bottom();
            extent.lowestBlock = cell.lastCursorPosition().block();
        }
    }
    return extent;
}

// Grows a row by an empty line of the given height under its tallest cell's text.
void growRow(const RowExtent& extent, double height) {
    QTextCursor cursor(extent.lowestBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    QTextBlockFormat format;
    format.setLineHeight(height, QTextBlockFormat::FixedHeight);
    format.setTopMargin(0);
    format.setBottomMargin(0);
    cursor.insertBlock(format);
}

// Looks for the first split row from the given row on and moves it; returns the row it moved,
// or -1 when no row from there on is split (or can be moved).
int moveNextSplitRow(const QTextDocument& document, QTextTable& table, double pageHeight,
                     int fromRow) {
    for (int row = fromRow; row < table.rows(); ++row) {
        const RowExtent extent = rowExtent(document, table, row);
        if (extent.bottom <= extent.top || extent.bottom - extent.top >= pageHeight * 0.9)
            continue;
        const double topPage = std::floor(extent.top / pageHeight);
        const double bottomPage = std::floor((extent.bottom - 0.5) / pageHeight);
        if (bottomPage <= topPage)
            continue;
        // Fill the row above down to the foot of the page, leaving less than a line: the
        // layout then starts every cell of this row on the next page, under the repeated
        // headings.
        const RowExtent above = rowExtent(document, table, row - 1);
        const double filler = (topPage + 1) * pageHeight - above.bottom - kFootClearance;
        if (!above.lowestBlock.isValid() || filler < 1)
            continue;
        growRow(above, filler);
        return row;
    }
    return -1;
}

QList<QTextTable*> tablesOf(QTextFrame* frame) {
    QList<QTextTable*> tables;
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables.append(table);  // tables nested in cells (chart bars) stay as they are
        else
            tables.append(tablesOf(child));
    }
    return tables;
}

}  // namespace

void keepTableRowsTogether(QTextDocument& document) {
    const double pageHeight = document.pageSize().height();
    if (pageHeight <= 0)
        return;
    const QList<QTextTable*> tables = tablesOf(document.rootFrame());
    // Each move shifts the rows after it; the layout is updated before the next row is read.
    for (QTextTable* table : tables) {
        // The first row after the heading rows is left alone: growing a heading row would
        // grow it on every page.
        int row = std::max(table->format().headerRowCount() + 1, 1);
        while ((row = moveNextSplitRow(document, *table, pageHeight, row)) >= 0) ++row;
    }
}

}  // namespace reports
