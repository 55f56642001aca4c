#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <functional>

#include "db/rowset.h"

class QTableView;

namespace ui {

// One column of a grid: the row set's column it shows (by name), its title, its width in
// pixels (0: as wide as its content) and the alignment of its cells.
// The alignments of grid columns: codes and dates centred, texts left, amounts right.
inline constexpr Qt::Alignment kCentred = Qt::AlignCenter;
inline constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

struct GridColumn {
    QString column;
    QString title;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// A grid's view of a row set: the columns named in the list, the cells as a person reads them
// (dates dd/mm/yyyy). Read only, unless a cell editor is given, which then receives what is
// typed into a cell.
class RowSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellEditor = std::function<bool(int row, int column, const QString& text)>;
    // Reads more rows of a row set read gradually; the model is told with appendReadRows().
    using RowReader = std::function<void()>;

    RowSetModel(const db::RowSet& rows, const QList<GridColumn>& columns,
                QObject* parent = nullptr);

    void setCellEditor(CellEditor editor) { editor_ = std::move(editor); }
    // The grid asks for more rows as it scrolls to the end of those read.
    void setRowReader(std::function<bool()> hasMoreRows, RowReader reader) {
        hasMoreRows_ = std::move(hasMoreRows);
        reader_ = std::move(reader);
    }
    bool isEditable() const { return static_cast<bool>(editor_); }
    const GridColumn& gridColumn(int column) const { return columns_.at(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The row set was read again: the grid starts over.
    void reset();
    // Values changed: the grid repaints; when rows came or went it starts over.
    void refresh();
    // Rows were read after those shown: the grid grows by them.
    void appendReadRows();

private:
    void resolveColumns();

    const db::RowSet& rows_;
    QList<GridColumn> columns_;
    QVector<int> sourceColumns_;  // row-set column of each grid column, -1 while absent
    int shownRows_ = 0;
    CellEditor editor_;
    std::function<bool()> hasMoreRows_;
    RowReader reader_;
};

// Sets a grid up the program's way: whole-row selection, one current row, the columns' titles,
// widths and alignment, no row numbers; editable in place only when the model has a cell editor.
void configureGrid(QTableView* grid, RowSetModel* model);

}  // namespace ui
