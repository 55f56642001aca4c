#pragma once

#include <QList>

#include <map>
#include <memory>
#include <vector>

class QTextDocument;
class QTextTable;
class QTextTableCell;

namespace reports {

class GridBody;
struct PreparedTable;

// Where the rows of a laid-out table lie in the document, read from the toolkit's layout of the
// cells' text: what the page breaks and a grid's lines need.
struct TableRows {
    QList<double> tops;  // the top edge of every row's cells
    double bottom = 0;   // under the last row's cells
    // What lies round a row's cells and belongs to the row: above, the cell spacing and the
    // border, or the upper part of a grid line; below, the lower part of a grid line.
    double above = 0;
    double below = 0;
    QList<int> lastRowReached;  // per row, the last row its cells reach (empty: no row spans)

    // A row's stretch of the document: from above its cells down to the next row's cells.
    double rowTop(int row) const { return tops.at(row) - above; }
    double rowBottom(int row) const {
        return (row + 1 < tops.size() ? tops.at(row + 1) : bottom) + below;
    }
};

// The document must be laid out. When every cell is top-aligned the top of a row is read from
// one of its cells; otherwise from the highest of them.
TableRows tableRows(const QTextDocument& document, QTextTable& table, bool everyCellTopAligned);

// The rows of the tables of one laid-out document, each table read once when first asked for,
// with the rows laid out outside it (GridBody) after those that stayed.
class LaidOutTables {
public:
    // What the tables' preparation learnt of their cells (tables not listed are read from
    // all their cells).
    LaidOutTables(const QTextDocument& document, const QList<PreparedTable>& prepared,
                  const std::vector<std::unique_ptr<GridBody>>& bodies);

    const TableRows& rows(QTextTable& table);
    // The rows of the table laid out outside the document, or null.
    const GridBody* body(const QTextTable& table) const;

private:
    const QTextDocument& document_;
    std::map<const QTextTable*, const PreparedTable*> prepared_;
    std::map<const QTextTable*, const GridBody*> bodies_;
    std::map<const QTextTable*, TableRows> rows_;
};

// The left edge of a cell, where its padding starts.
double cellLeft(const QTextDocument& document, QTextTable& table, const QTextTableCell& cell);

}  // namespace reports
