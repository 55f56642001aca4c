#pragma once

#include <QBrush>
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QTextDocument;
class QTextLayout;
class QTextTable;

namespace reports {

struct HtmlTable;
struct PreparedTable;
struct TableRows;

// The rows of a long list under its heading, laid out here instead of by the toolkit. The
// toolkit lays every cell of a table out twice (once to find the columns' widths, once in
// them) and walks the whole table for each, which took most of a long report's time. Here the
// cells' paragraphs are read from the report as the toolkit reads it, each distinct one is
// laid out once, in its column, the way the toolkit lays out a cell's paragraph, and the
// document that is laid out holds only the heading rows, which give the columns their places
// (the report is read a second time without the rows: that costs little, taking the rows out
// of a read document costs more than laying them out). Only grids whose cells the engine
// draws itself qualify (see GridPainter): one plain paragraph per cell, no spans, columns of
// set widths.
class GridBody {
public:
    ~GridBody();
    GridBody(const GridBody&) = delete;
    GridBody& operator=(const GridBody&) = delete;

    using Bodies = std::vector<std::unique_ptr<GridBody>>;

    // The body rows of every table of the document that qualifies: the rows under the heading
    // rows, or under the first row when there are none. The document is read from the HTML
    // with its tables' repeated rows left out (sampleRows()); `written` are the tables as the
    // HTML has them, sampleOf the rows standing for theirs. The document is read as the
    // report was written: its tables read, their borders not taken off (readTables()).
    static Bodies read(const QTextDocument& document, const QList<PreparedTable>& tables,
                       const QString& html, const QList<HtmlTable>& written,
                       const QList<QList<int>>& sampleOf);

    // The HTML without the bodies' rows.
    static QString withoutRows(const QString& html, const QList<HtmlTable>& written,
                               const Bodies& bodies);

    // Ties each body to its table in the document read from withoutRows(), whose tables the
    // bodies' line colours are given; false when a table is not as expected.
    static bool attach(const Bodies& bodies, QTextDocument& document, QList<PreparedTable>& tables);

    const QTextTable& table() const { return *table_; }

    // Once the toolkit has laid the document out: lays the rows out in the columns it gave the
    // rows that stayed, and makes room for them under those rows (the document then needs
    // laying out again). False when a word is wider than its column, which the toolkit would
    // have widened for it.
    bool layOut(QTextDocument& document);

    // Adds the rows to those the toolkit laid out of the table.
    void extend(TableRows& rows) const;

    // Draws the cells of the rows first to last (of the whole table) between the column edges
    // given.
    void paintRows(QPainter& painter, const QList<double>& tops, int first, int last,
                   const QList<double>& columnLefts, double right, const QRectF& clip) const;

private:
    struct Text;
    struct Look {
        QBrush background;
        double left = 0;
        double top = 0;
        double right = 0;
        double bottom = 0;
    };
    struct Cell {
        int text = 0;
        int look = 0;
    };

    GridBody();
    bool readRows(const QTextDocument& document, const PreparedTable& prepared, const QString& html,
                  const HtmlTable& written, const QList<int>& sampleOf);

    QTextTable* table_ = nullptr;
    int tableIndex_ = 0;  // among the tables standing in the document's flow
    int firstRow_ = 0;
    int columns_ = 0;
    QList<QColor> rowColours_;  // of the whole table, see PreparedTable
    QColor usualColour_;
    double lineWidth_ = 0;
    bool lastCellEmpty_ = false;
    std::vector<Text> texts_;
    QList<Look> looks_;
    std::vector<Cell> cells_;  // row by row
    QList<double> heights_;    // of every row
};

}  // namespace reports
