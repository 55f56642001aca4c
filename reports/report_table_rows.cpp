#include "reports/report_table_rows.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>
#include <limits>

#include "reports/report_grid_body.h"
#include "reports/report_table_grid.h"

namespace reports {

namespace {

// What lies between a cell's edge and its text, on the top and on the left: the padding (the
// cell's own or the table's) and, for a cell drawn with its own borders, the border; with
// collapsed borders half of it, the other half belonging to the neighbour.
struct Insets {
    double top = 0;
    double left = 0;
};

Insets insets(const QTextTableFormat& tableFormat, const QTextTableCell& cell) {
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    const double share = tableFormat.borderCollapse() ? 0.5 : 1.0;
    const auto padding = [&](QTextFormat::Property property) {
        return format.hasProperty(property) ? format.doubleProperty(property)
                                            : tableFormat.cellPadding();
    };
    Insets result;
    result.top = padding(QTextFormat::TableCellTopPadding) +
                 share * cellBorderWidth(format, QTextFormat::TableCellTopBorderStyle,
                                         QTextFormat::TableCellTopBorder);
    result.left = padding(QTextFormat::TableCellLeftPadding) +
                  share * cellBorderWidth(format, QTextFormat::TableCellLeftBorderStyle,
                                          QTextFormat::TableCellLeftBorder);
    return result;
}

// Where the cell's first line of text was laid out.
QRectF firstBlockRect(const QTextDocument& document, const QTextTableCell& cell) {
    const QTextBlock block = document.findBlock(cell.firstPosition());
    return document.documentLayout()->blockBoundingRect(block);
}

double rowTop(const QTextDocument& document, QTextTable& table, const QTextTableFormat& format,
              int row, bool everyCellTopAligned) {
    double top = std::numeric_limits<double>::max();
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        // Cells reaching into this row from above or from the left are read at their start.
        if (cell.row() != row || cell.column() != column)
            continue;
        top = std::min(top, firstBlockRect(document, cell).top() - insets(format, cell).top);
        if (everyCellTopAligned)
            break;
    }
    return top;
}

}  // namespace

TableRows tableRows(const QTextDocument& document, QTextTable& table, bool everyCellTopAligned) {
    const QTextTableFormat format = table.format();
    TableRows rows;
    const double spacing = format.borderCollapse()
                               ? 0.0
                               : std::round(format.cellSpacing()) + std::round(format.border());
    rows.above = spacing;
    rows.tops.reserve(table.rows());
    for (int row = 0; row < table.rows(); ++row) {
        const double top = rowTop(document, table, format, row, everyCellTopAligned);
        // A row made only of cells reaching into it from above starts where they do.
        rows.tops.append(top < std::numeric_limits<double>::max() || rows.tops.isEmpty()
                             ? top
                             : rows.tops.last());
    }
    if (rows.tops.isEmpty())
        return rows;

    // The toolkit's frame rectangle of a table has the right size but is placed at its first
    // cell; the table's top is found from the first row instead.
    const double height = document.documentLayout()->frameBoundingRect(&table).height();
    const double frameEdge = format.padding() + (format.borderCollapse() ? 0.0 : format.border());
    const double top = rows.tops.first() - spacing - format.topMargin() - frameEdge;
    rows.bottom = top + height - format.bottomMargin() - frameEdge - spacing - format.padding();
    return rows;
}

LaidOutTables::LaidOutTables(const QTextDocument& document, const QList<PreparedTable>& prepared,
                             const std::vector<std::unique_ptr<GridBody>>& bodies)
    : document_(document) {
    for (const PreparedTable& table : prepared) prepared_.emplace(table.table, &table);
    for (const auto& body : bodies) bodies_.emplace(&body->table(), body.get());
}

const GridBody* LaidOutTables::body(const QTextTable& table) const {
    const auto found = bodies_.find(&table);
    return found != bodies_.end() ? found->second : nullptr;
}

const TableRows& LaidOutTables::rows(QTextTable& table) {
    auto found = rows_.find(&table);
    if (found != rows_.end())
        return found->second;
    const auto facts = prepared_.find(&table);
    const bool known = facts != prepared_.end();
    TableRows rows = tableRows(document_, table, known && facts->second->everyCellTopAligned);
    if (known) {
        const PreparedTable& prepared = *facts->second;
        rows.lastRowReached = prepared.lastRowReached;
        if (prepared.grid) {  // the lines painted round the cells
            rows.above = std::ceil(prepared.lineWidth / 2);
            rows.below = prepared.lineWidth - rows.above;
        }
    }
    if (const GridBody* laidOutHere = body(table))
        laidOutHere->extend(rows);
    return rows_.emplace(&table, std::move(rows)).first->second;
}

double cellLeft(const QTextDocument& document, QTextTable& table, const QTextTableCell& cell) {
    return firstBlockRect(document, cell).left() - insets(table.format(), cell).left;
}

}  // namespace reports
