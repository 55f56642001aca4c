#include "reports/report_table_grid.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

#include "reports/report_table_rows.h"

namespace reports {

namespace {

struct Edge {
    QTextFormat::Property style;
    QTextFormat::Property width;
    QTextFormat::Property brush;
    QTextFormat::Property padding;
};

constexpr Edge kEdges[] = {
    {QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellTopBorder,
     QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellTopPadding},
    {QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellBottomBorder,
     QTextFormat::TableCellBottomBorderBrush, QTextFormat::TableCellBottomPadding},
    {QTextFormat::TableCellLeftBorderStyle, QTextFormat::TableCellLeftBorder,
     QTextFormat::TableCellLeftBorderBrush, QTextFormat::TableCellLeftPadding},
    {QTextFormat::TableCellRightBorderStyle, QTextFormat::TableCellRightBorder,
     QTextFormat::TableCellRightBorderBrush, QTextFormat::TableCellRightPadding},
};

// A cell's border: none, or the same solid line on all four edges; anything else is left to
// the toolkit.
struct CellBorder {
    bool none = true;
    bool uniform = false;
    double width = 0;
    QColor colour;
};

CellBorder borderOf(const QTextTableCellFormat& format) {
    const CellBorder mixed{false, false, 0, {}};
    CellBorder border;
    int drawn = 0;
    for (const Edge& edge : kEdges) {
        if (!format.hasProperty(edge.style) ||
            format.intProperty(edge.style) == QTextFrameFormat::BorderStyle_None)
            continue;
        if (format.intProperty(edge.style) != QTextFrameFormat::BorderStyle_Solid)
            return mixed;
        // The toolkit's defaults: 3 pixels (as browsers), black.
        const double width =
            format.hasProperty(edge.width) ? format.doubleProperty(edge.width) : 3.0;
        const QBrush brush = format.brushProperty(edge.brush);
        if (brush.style() != Qt::NoBrush && brush.style() != Qt::SolidPattern)
            return mixed;
        const QColor colour = brush.style() == Qt::NoBrush ? QColor(Qt::black) : brush.color();
        if (drawn > 0 && (width != border.width || colour != border.colour))
            return mixed;
        border.width = width;
        border.colour = colour;
        ++drawn;
    }
    border.none = drawn == 0;
    border.uniform = drawn == 4;
    return border;
}

bool topAligned(const QTextTableCellFormat& format) {
    const auto alignment = format.verticalAlignment();
    return alignment != QTextCharFormat::AlignMiddle && alignment != QTextCharFormat::AlignBottom;
}

struct Cell {
    QTextTableCell cell;
    QTextTableCellFormat format;
    int row = 0;
};

// The cells of a table, each once (a spanning cell at its first row and column).
QList<Cell> cellsOf(QTextTable& table, bool& spansColumns) {
    QList<Cell> cells;
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            spansColumns = spansColumns || format.tableCellColumnSpan() > 1;
            const bool spans = format.tableCellRowSpan() > 1 || format.tableCellColumnSpan() > 1;
            if (spans && (cell.row() != row || cell.column() != column))
                continue;
            cells.append(Cell{cell, std::move(format), row});
        }
    }
    return cells;
}

void noteRowSpan(PreparedTable& prepared, const Cell& cell, int rows) {
    const int span = cell.format.tableCellRowSpan();
    if (span <= 1)
        return;
    if (prepared.lastRowReached.isEmpty()) {
        prepared.lastRowReached.reserve(rows);
        for (int row = 0; row < rows; ++row) prepared.lastRowReached.append(row);
    }
    int& last = prepared.lastRowReached[cell.row];
    last = std::max(last, std::min(rows - 1, cell.row + span - 1));
}

// With collapsed borders the toolkit gives every cell half of the line on each edge as extra
// padding and the table the outer half, rounded, as extra margin; the same room is kept here
// with the borders taken off, and the table no longer collapses them.
void makeGrid(PreparedTable& prepared, QList<Cell>& cells, double width) {
    QTextTable& table = *prepared.table;
    QTextTableFormat format = table.format();
    const double outer = std::floor(width / 2 + 0.5);
    format.setBorderCollapse(false);
    format.setCellSpacing(0);
    format.setTopMargin(format.topMargin() + outer);
    format.setBottomMargin(format.bottomMargin() + outer);
    format.setLeftMargin(format.leftMargin() + outer);
    format.setRightMargin(format.rightMargin() + outer);
    table.setFormat(format);
    prepared.lineWidth = width;
    prepared.grid = width > 0;
    if (!prepared.grid)
        return;
    for (Cell& cell : cells) {
        for (const Edge& edge : kEdges) {
            const double padding = cell.format.hasProperty(edge.padding)
                                       ? cell.format.doubleProperty(edge.padding)
                                       : format.cellPadding();
            cell.format.clearProperty(edge.style);
            cell.format.clearProperty(edge.width);
            cell.format.clearProperty(edge.brush);
            cell.format.setProperty(edge.padding, padding + width / 2);
        }
        cell.cell.setFormat(cell.format);
    }
}

// The colour most rows' lines have; rows whose cells all reach in from above take it too.
void settleColours(PreparedTable& prepared) {
    QHash<QRgb, int> counts;
    int best = 0;
    for (const QColor& colour : std::as_const(prepared.rowColours)) {
        if (!colour.isValid())
            continue;
        const int count = ++counts[colour.rgba()];
        if (count > best) {
            best = count;
            prepared.usualColour = colour;
        }
    }
    for (QColor& colour : prepared.rowColours) {
        if (!colour.isValid())
            colour = prepared.usualColour;
    }
}

PreparedTable prepare(QTextTable& table) {
    PreparedTable prepared;
    prepared.table = &table;
    QList<Cell> cells = cellsOf(table, prepared.spansColumns);
    prepared.rowColours.resize(table.rows());
    bool allNone = true;
    bool allUniform = true;
    double width = -1;
    for (const Cell& cell : cells) {
        prepared.everyCellTopAligned = prepared.everyCellTopAligned && topAligned(cell.format);
        noteRowSpan(prepared, cell, table.rows());
        const CellBorder border = borderOf(cell.format);
        allNone = allNone && border.none;
        allUniform = allUniform && border.uniform && (width < 0 || border.width == width);
        if (!border.uniform)
            continue;
        width = border.width;
        QColor& rowColour = prepared.rowColours[cell.row];
        if (rowColour.isValid() && rowColour != border.colour)
            allUniform = false;  // a row of mixed colours
        rowColour = border.colour;
    }
    const QTextTableFormat format = table.format();
    if (format.borderCollapse() && format.border() <= 0 && !cells.isEmpty() &&
        (allNone || allUniform)) {
        settleColours(prepared);
        makeGrid(prepared, cells, allNone ? 0.0 : width);
    }
    return prepared;
}

void prepareFrames(QTextFrame& frame, QList<PreparedTable>& tables) {
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables.append(prepare(*table));
        prepareFrames(*child, tables);
    }
}

// The toolkit centres a collapsed line on the cells' edge, the odd pixel above and left.
double lineStart(double edge, double width) {
    return edge - std::ceil(width / 2);
}

}  // namespace

QList<PreparedTable> prepareTables(QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QList<PreparedTable> tables;
    prepareFrames(*document.rootFrame(), tables);
    document.setUndoRedoEnabled(undo);
    return tables;
}

GridPainter::GridPainter(const QTextDocument& document, const QList<PreparedTable>& tables,
                         LaidOutTables& laidOut) {
    for (const PreparedTable& prepared : tables) {
        if (!prepared.grid)
            continue;
        QTextTable& table = *prepared.table;
        const TableRows& rows = laidOut.rows(table);
        if (rows.tops.isEmpty())
            continue;
        Grid grid{&prepared, rows.tops, rows.bottom, {}, 0};
        for (int column = 0; column < table.columns(); ++column) {
            int row = 0;
            while (prepared.spansColumns && row + 1 < table.rows() &&
                   table.cellAt(row, column).column() != column)
                ++row;
            grid.columnLefts.append(cellLeft(document, table, table.cellAt(row, column)));
        }
        const QTextTableFormat format = table.format();
        const double width = document.documentLayout()->frameBoundingRect(&table).width();
        grid.right = grid.columnLefts.first() - format.leftMargin() + width - format.rightMargin();
        grids_.append(grid);
    }
}

void GridPainter::paint(QPainter& painter, const QRectF& part) const {
    for (const Grid& grid : grids_) {
        const double width = grid.table->lineWidth;
        const auto below = [&](double y) { return lineStart(y, width) + width <= part.top(); };
        if (below(grid.bottom) || lineStart(grid.tops.first(), width) >= part.bottom())
            continue;
        // The rows reaching into the part; the rows of other colours (a list's heading) last,
        // so that the line they share with the rows under them takes their colour.
        const auto firstBelow = std::upper_bound(grid.tops.begin(), grid.tops.end(), part.top());
        const int first = std::max(0, int(firstBelow - grid.tops.begin()) - 1);
        const auto end = std::lower_bound(grid.tops.begin(), grid.tops.end(),
                                          part.bottom() + std::ceil(width / 2));
        const int last = std::max(first, int(end - grid.tops.begin()) - 1);
        paintRows(painter, grid, first, last, false, part);
        paintRows(painter, grid, first, last, true, part);
    }
}

void GridPainter::paintRows(QPainter& painter, const Grid& grid, int first, int last,
                            bool otherColours, const QRectF& part) const {
    const PreparedTable& table = *grid.table;
    const double width = table.lineWidth;
    const auto cellsBottom = [&](int row) {
        return row + 1 < grid.tops.size() ? grid.tops.at(row + 1) : grid.bottom;
    };
    const auto fill = [&](const QRectF& line, const QColor& colour) {
        const QRectF visible = line & part;
        if (!visible.isEmpty())
            painter.fillRect(visible, colour);
    };
    const double left = lineStart(grid.columnLefts.first(), width);
    const double across = lineStart(grid.right, width) + width - left;
    // A run of rows of one colour: each row's lines above and below, and the lines between
    // columns drawn down the whole run (row by row where cells span columns).
    for (int row = first; row <= last;) {
        const QColor colour = table.rowColours.at(row);
        int end = row;
        while (end < last && table.rowColours.at(end + 1) == colour) ++end;
        if ((colour != table.usualColour) == otherColours) {
            for (int r = row; r <= end; ++r) {
                fill(QRectF(left, lineStart(grid.tops.at(r), width), across, width), colour);
                fill(QRectF(left, lineStart(cellsBottom(r), width), across, width), colour);
            }
            const int step = table.spansColumns ? 1 : end - row + 1;
            for (int r = row; r <= end; r += step) {
                const double top = lineStart(grid.tops.at(r), width);
                const double height =
                    cellsBottom(std::min(end, r + step - 1)) - grid.tops.at(r) + width;
                for (const double x : lineStops(grid, r))
                    fill(QRectF(lineStart(x, width), top, width, height), colour);
            }
        }
        row = end + 1;
    }
}

// Where the vertical lines of a row stand: at the start of each of its cells and at the end.
QList<double> GridPainter::lineStops(const Grid& grid, int row) const {
    QList<double> stops;
    QTextTable& table = *grid.table->table;
    for (int column = 0; column < grid.columnLefts.size(); ++column) {
        if (!grid.table->spansColumns || table.cellAt(row, column).column() == column)
            stops.append(grid.columnLefts.at(column));
    }
    stops.append(grid.right);
    return stops;
}

}  // namespace reports
