#include "reports/report_grid_painter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>

#include "reports/report_grid_body.h"
#include "reports/report_table_grid.h"
#include "reports/report_table_rows.h"

namespace reports {

namespace {

// The toolkit centres a collapsed line on the cells' edge, the odd pixel above and left.
double lineStart(double edge, double width) {
    return edge - std::ceil(width / 2);
}

// The stretch of the document a grid's cells and lines take.
double gridTop(const QList<double>& tops, double width) {
    return lineStart(tops.first(), width);
}

double gridEnd(double bottom, double width) {
    return lineStart(bottom, width) + width;
}

// A paragraph the toolkit draws as nothing but its text: no background, rule or list mark.
bool plainParagraph(const QTextFormat& format) {
    return !format.hasProperty(QTextFormat::BackgroundBrush) &&
           !format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) &&
           format.objectIndex() == -1;
}

// The first and last rows whose cells or lines reach into the part.
std::pair<int, int> rowsWithin(const QList<double>& tops, double width, const QRectF& part) {
    const auto firstBelow = std::upper_bound(tops.begin(), tops.end(), part.top());
    const int first = std::max(0, int(firstBelow - tops.begin()) - 1);
    const auto end = std::lower_bound(tops.begin(), tops.end(), part.bottom() + width);
    return {first, std::max(first, int(end - tops.begin()) - 1)};
}

}  // namespace

GridPainter::GridPainter(const QTextDocument& document, const QList<PreparedTable>& tables,
                         LaidOutTables& laidOut)
    : document_(document) {
    for (const PreparedTable& prepared : tables) {
        if (!prepared.grid)
            continue;
        QTextTable& table = *prepared.table;
        const TableRows& rows = laidOut.rows(table);
        if (rows.tops.isEmpty())
            continue;
        Grid grid{&prepared, rows.tops, rows.bottom, {}, 0, false, laidOut.body(table)};
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
        grid.cellsDrawnHere = canDrawCells(grid);
        grids_.append(grid);
    }
}

// A grid's cells are drawn here when the toolkit would draw nothing but their backgrounds and
// text: the table stands in the page's flow (not in another table's cell, which the toolkit
// draws whole, nor floating beside the text), has no background of its own, no cell spans rows or
// columns or is aligned other than at the top, and every cell holds plain paragraphs.
bool GridPainter::canDrawCells(const Grid& grid) {
    const PreparedTable& prepared = *grid.table;
    QTextTable& table = *prepared.table;
    if (table.parentFrame() != document_.rootFrame() ||
        table.format().position() != QTextFrameFormat::InFlow || !table.childFrames().isEmpty() ||
        table.format().background().style() != Qt::NoBrush || !prepared.lastRowReached.isEmpty() ||
        prepared.spansColumns || !prepared.everyCellTopAligned)
        return false;
    const QList<QTextFormat> formats = document_.allFormats();
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const int index = table.cellAt(row, column).tableCellFormatIndex();
            if (looks_.contains(index))
                continue;
            const QTextTableCellFormat format = formats.value(index).toTableCellFormat();
            const QBrush background = format.background();
            if (background.style() != Qt::NoBrush && background.style() != Qt::SolidPattern)
                return false;
            looks_.insert(index, CellLook{background, format.leftPadding(), format.topPadding()});
        }
    }
    QHash<int, bool> plain;
    for (QTextBlock block = document_.findBlock(table.firstPosition());
         block.isValid() && block.position() <= table.lastPosition(); block = block.next()) {
        const int index = block.blockFormatIndex();
        auto known = plain.find(index);
        if (known == plain.end())
            known = plain.insert(index, plainParagraph(formats.value(index)));
        if (!known.value())
            return false;
    }
    return true;
}

QList<QRectF> GridPainter::partsForToolkit(const QRectF& part) const {
    QList<QRectF> parts;
    double from = part.top();
    for (const Grid& grid : grids_) {
        if (!grid.cellsDrawnHere)
            continue;
        const double width = grid.table->lineWidth;
        const double top = gridTop(grid.tops, width);
        const double end = gridEnd(grid.bottom, width);
        if (end <= from || top >= part.bottom())
            continue;
        if (top > from)
            parts.append(QRectF(part.left(), from, part.width(), top - from));
        from = end;
    }
    if (from < part.bottom())
        parts.append(QRectF(part.left(), from, part.width(), part.bottom() - from));
    return parts;
}

void GridPainter::paint(QPainter& painter, const QRectF& part) const {
    for (const Grid& grid : grids_) {
        const double width = grid.table->lineWidth;
        if (gridEnd(grid.bottom, width) <= part.top() || gridTop(grid.tops, width) >= part.bottom())
            continue;
        const auto [first, last] = rowsWithin(grid.tops, width, part);
        const int lastInDocument = std::min(last, grid.table->table->rows() - 1);
        if (grid.cellsDrawnHere && first <= lastInDocument)
            paintCells(painter, grid, first, lastInDocument, part);
        if (grid.body != nullptr) {
            grid.body->paintRows(painter, grid.tops, first, last, grid.columnLefts, grid.right,
                                 part.adjusted(0, 0.01, 0, -0.01));
        }
        // The rows of other colours (a list's heading) last, so that the line they share with
        // the rows under them takes their colour.
        paintLines(painter, grid, first, last, false, part);
        paintLines(painter, grid, first, last, true, part);
    }
}

// As the toolkit draws a cell: its background over the whole cell, then the text of each of
// its paragraphs that reaches into the part.
void GridPainter::paintCells(QPainter& painter, const Grid& grid, int first, int last,
                             const QRectF& part) const {
    QTextTable& table = *grid.table->table;
    const int columns = table.columns();
    const QRectF clip = part.adjusted(0, 0.01, 0, -0.01);
    const auto startOf = [&](int row, int column) {
        if (column == columns) {
            ++row;
            column = 0;
        }
        return row < table.rows() ? table.cellAt(row, column).firstPosition()
                                  : table.lastPosition() + 1;
    };
    painter.save();
    painter.setPen(Qt::black);
    QTextBlock block = document_.findBlock(startOf(first, 0));
    for (int row = first; row <= last; ++row) {
        const double top = grid.tops.at(row);
        const double height = grid.cellsBottom(row) - top;
        for (int column = 0; column < columns; ++column) {
            const CellLook look = looks_.value(table.cellAt(row, column).tableCellFormatIndex());
            const double left = grid.columnLefts.at(column);
            const double right =
                column + 1 < columns ? grid.columnLefts.at(column + 1) : grid.right;
            if (look.background.style() != Qt::NoBrush)
                painter.fillRect(QRectF(left, top, right - left, height), look.background);
            const QPointF origin(left + look.left, top + look.top);
            const int next = startOf(row, column + 1);
            for (; block.isValid() && block.position() < next; block = block.next()) {
                QTextLayout* layout = block.layout();
                const QRectF box = layout->boundingRect().translated(origin + layout->position());
                if (box.bottom() >= clip.top() && box.top() <= clip.bottom())
                    layout->draw(&painter, origin, {}, clip);
            }
        }
    }
    painter.restore();
}

// A run of rows of one colour: each row's lines above and below, and the lines between columns
// drawn down the whole run (row by row where cells span columns).
void GridPainter::paintLines(QPainter& painter, const Grid& grid, int first, int last,
                             bool otherColours, const QRectF& part) const {
    const PreparedTable& table = *grid.table;
    const double width = table.lineWidth;
    const auto fill = [&](const QRectF& line, const QColor& colour) {
        const QRectF visible = line & part;
        if (!visible.isEmpty())
            painter.fillRect(visible, colour);
    };
    const double left = lineStart(grid.columnLefts.first(), width);
    const double across = lineStart(grid.right, width) + width - left;
    for (int row = first; row <= last;) {
        const QColor colour = table.rowColours.at(row);
        int end = row;
        while (end < last && table.rowColours.at(end + 1) == colour) ++end;
        if ((colour != table.usualColour) == otherColours) {
            for (int r = row; r <= end; ++r) {
                fill(QRectF(left, lineStart(grid.tops.at(r), width), across, width), colour);
                fill(QRectF(left, lineStart(grid.cellsBottom(r), width), across, width), colour);
            }
            const int step = table.spansColumns ? 1 : end - row + 1;
            for (int r = row; r <= end; r += step) {
                const double top = lineStart(grid.tops.at(r), width);
                const double height =
                    grid.cellsBottom(std::min(end, r + step - 1)) - grid.tops.at(r) + width;
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
