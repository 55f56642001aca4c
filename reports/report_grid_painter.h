#pragma once

#include <QBrush>
#include <QHash>
#include <QList>
#include <QRectF>

class QPainter;
class QTextDocument;

namespace reports {

class GridBody;
class LaidOutTables;
struct PreparedTable;

// Draws what the toolkit is not left to draw of the grids (see PreparedTable): the lines of
// every grid, and the whole of a grid standing in the page's flow whose cells hold plain text
// (a list, a form), cell by cell. The toolkit's drawing of a table looks every cell's row,
// column and format up several times over, which took most of the drawing time of a long list.
class GridPainter {
public:
    GridPainter(const QTextDocument& document, const QList<PreparedTable>& tables,
                LaidOutTables& laidOut);

    // The stretches of `part` (of the laid-out document) the toolkit draws: all of it but the
    // tables drawn here.
    QList<QRectF> partsForToolkit(const QRectF& part) const;

    // Draws, over what the toolkit drew of `part`, the cells of the tables drawn here and the
    // lines of every grid.
    void paint(QPainter& painter, const QRectF& part) const;

private:
    struct Grid {
        const PreparedTable* table = nullptr;
        QList<double> tops;         // the rows' cells
        double bottom = 0;          // under the last row's cells
        QList<double> columnLefts;  // where each column's cells start
        double right = 0;           // where the last column ends
        bool cellsDrawnHere = false;
        const GridBody* body = nullptr;  // the rows laid out outside the document

        double cellsBottom(int row) const {
            return row + 1 < tops.size() ? tops.at(row + 1) : bottom;
        }
    };
    // What a cell format means for drawing the cell: its background and where its text starts.
    struct CellLook {
        QBrush background;
        double left = 0;
        double top = 0;
    };

    bool canDrawCells(const Grid& grid);
    void paintCells(QPainter& painter, const Grid& grid, int first, int last,
                    const QRectF& part) const;
    void paintLines(QPainter& painter, const Grid& grid, int first, int last, bool otherColours,
                    const QRectF& part) const;
    QList<double> lineStops(const Grid& grid, int row) const;

    const QTextDocument& document_;
    QList<Grid> grids_;
    QHash<int, CellLook> looks_;  // by the cell format's index in the document
};

}  // namespace reports
