#pragma once

#include <QColor>
#include <QList>
#include <QTextFormat>

class QTextDocument;
class QTextTable;

namespace reports {

// The report files draw their lists, forms and totals as tables with collapsed borders, the
// same solid line round every cell. The toolkit lays such a table out and draws it by comparing
// every edge of every cell with its neighbours' edges, which costs many times more than the
// text itself on a long list. Such a table is prepared, before it is laid out, as a grid: its
// borders are taken off the cells and the room they took is kept as padding and margin, so
// that the text lies exactly where the toolkit would have put it; the lines are then painted
// here, in the toolkit's places (see GridPainter).
struct PreparedTable {
    QTextTable* table = nullptr;
    bool everyCellTopAligned = true;
    QList<int> lastRowReached;     // per row, the last row its cells reach (empty: no row spans)
    bool bordersTakenOff = false;  // its collapsed borders are (to be) taken off its cells
    bool grid = false;             // and its lines painted here
    double lineWidth = 0;
    bool spansColumns = false;
    QList<QColor> rowColours;  // per row, the colour of its cells' lines
    QColor usualColour;        // the colour of most rows' lines
};

// The width of one edge's border of a cell: 0 without a border, the toolkit's default of 3
// pixels when the width is not set.
double cellBorderWidth(const QTextTableCellFormat& format, QTextFormat::Property style,
                       QTextFormat::Property width);

// Every table of the document, outer tables before the tables in their cells, each prepared
// as a grid when it can be; tables with other borders (on some edges only, of mixed widths,
// styles or colours within a row) are left to the toolkit. The document must not be laid out.
QList<PreparedTable> prepareTables(QTextDocument& document);

// The same, without changing the document: for one that is only read, not laid out (see
// GridBody). takeBordersOff() makes the changes if it is to be laid out after all.
QList<PreparedTable> readTables(QTextDocument& document);
void takeBordersOff(QTextDocument& document, const QList<PreparedTable>& tables);

// A cell's format with its borders taken off, the room they took kept as padding.
QTextTableCellFormat gridCellFormat(const QTextTableCellFormat& format, double cellPadding,
                                    double lineWidth);

}  // namespace reports
