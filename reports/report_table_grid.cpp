#include "reports/report_table_grid.h"

#include <QHash>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

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
        const double width = cellBorderWidth(format, edge.style, edge.width);
        const QBrush brush = format.brushProperty(edge.brush);
        if (brush.style() != Qt::NoBrush && brush.style() != Qt::SolidPattern)
            return mixed;
        // The toolkit's default colour, as browsers': black.
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

// The cells' formats, read once per format rather than once per cell: most cells of a list
// share a handful of formats.
class CellFormats {
public:
    explicit CellFormats(const QTextDocument& document) : formats_(document.allFormats()) {}

    const QTextTableCellFormat& of(int index) {
        auto found = read_.find(index);
        if (found == read_.end())
            found = read_.insert(index, formats_.value(index).toTableCellFormat());
        return found.value();
    }

private:
    QList<QTextFormat> formats_;
    QHash<int, QTextTableCellFormat> read_;
};

struct Cell {
    QTextTableCell cell;
    int format = 0;  // index in the document's formats
    int row = 0;
};

// The cells of a table, each once (a spanning cell at its first row and column).
QList<Cell> cellsOf(QTextTable& table, CellFormats& formats, bool& spansColumns) {
    QList<Cell> cells;
    cells.reserve(table.rows() * table.columns());
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            const int index = cell.tableCellFormatIndex();
            const QTextTableCellFormat& format = formats.of(index);
            spansColumns = spansColumns || format.tableCellColumnSpan() > 1;
            const bool spans = format.tableCellRowSpan() > 1 || format.tableCellColumnSpan() > 1;
            if (spans && (cell.row() != row || cell.column() != column))
                continue;
            cells.append(Cell{cell, index, row});
        }
    }
    return cells;
}

void noteRowSpan(PreparedTable& prepared, const Cell& cell, int span, int rows) {
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
void makeGrid(const PreparedTable& prepared, QList<Cell>& cells, CellFormats& formats) {
    QTextTable& table = *prepared.table;
    QTextTableFormat format = table.format();
    const double width = prepared.lineWidth;
    const double outer = std::floor(width / 2 + 0.5);
    format.setBorderCollapse(false);
    format.setCellSpacing(0);
    format.setTopMargin(format.topMargin() + outer);
    format.setBottomMargin(format.bottomMargin() + outer);
    format.setLeftMargin(format.leftMargin() + outer);
    format.setRightMargin(format.rightMargin() + outer);
    table.setFormat(format);
    if (!prepared.grid)
        return;
    QHash<int, QTextTableCellFormat> gridFormats;
    for (Cell& cell : cells) {
        auto grid = gridFormats.find(cell.format);
        if (grid == gridFormats.end()) {
            grid = gridFormats.insert(
                cell.format, gridCellFormat(formats.of(cell.format), format.cellPadding(), width));
        }
        cell.cell.setFormat(grid.value());
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

PreparedTable prepare(QTextTable& table, CellFormats& formats, bool changeFormats) {
    PreparedTable prepared;
    prepared.table = &table;
    QList<Cell> cells = cellsOf(table, formats, prepared.spansColumns);
    prepared.rowColours.resize(table.rows());
    bool allNone = true;
    bool allUniform = true;
    double width = -1;
    for (const Cell& cell : cells) {
        const QTextTableCellFormat& format = formats.of(cell.format);
        prepared.everyCellTopAligned = prepared.everyCellTopAligned && topAligned(format);
        noteRowSpan(prepared, cell, format.tableCellRowSpan(), table.rows());
        const CellBorder border = borderOf(format);
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
        prepared.bordersTakenOff = true;
        prepared.lineWidth = allNone ? 0.0 : width;
        prepared.grid = prepared.lineWidth > 0;
        if (changeFormats)
            makeGrid(prepared, cells, formats);
    }
    return prepared;
}

void prepareFrames(QTextFrame& frame, CellFormats& formats, bool changeFormats,
                   QList<PreparedTable>& tables) {
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables.append(prepare(*table, formats, changeFormats));
        prepareFrames(*child, formats, changeFormats, tables);
    }
}

QList<PreparedTable> prepare(QTextDocument& document, bool changeFormats) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QList<PreparedTable> tables;
    CellFormats formats(document);  // as the file has them: read before any is changed
    prepareFrames(*document.rootFrame(), formats, changeFormats, tables);
    document.setUndoRedoEnabled(undo);
    return tables;
}

}  // namespace

double cellBorderWidth(const QTextTableCellFormat& format, QTextFormat::Property style,
                       QTextFormat::Property width) {
    if (!format.hasProperty(style) ||
        format.intProperty(style) == QTextFrameFormat::BorderStyle_None)
        return 0;
    return format.hasProperty(width) ? format.doubleProperty(width) : 3.0;  // as browsers
}

QTextTableCellFormat gridCellFormat(const QTextTableCellFormat& format, double cellPadding,
                                    double lineWidth) {
    QTextTableCellFormat changed = format;
    for (const Edge& edge : kEdges) {
        const double padding =
            changed.hasProperty(edge.padding) ? changed.doubleProperty(edge.padding) : cellPadding;
        changed.clearProperty(edge.style);
        changed.clearProperty(edge.width);
        changed.clearProperty(edge.brush);
        changed.setProperty(edge.padding, padding + lineWidth / 2);
    }
    return changed;
}

QList<PreparedTable> prepareTables(QTextDocument& document) {
    return prepare(document, true);
}

QList<PreparedTable> readTables(QTextDocument& document) {
    return prepare(document, false);
}

void takeBordersOff(QTextDocument& document, const QList<PreparedTable>& tables) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    CellFormats formats(document);
    for (const PreparedTable& prepared : tables) {
        if (!prepared.bordersTakenOff)
            continue;
        bool spansColumns = false;
        QList<Cell> cells = cellsOf(*prepared.table, formats, spansColumns);
        makeGrid(prepared, cells, formats);
    }
    document.setUndoRedoEnabled(undo);
}

}  // namespace reports
