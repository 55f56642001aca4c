#include "ui/rowset_model.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace ui {

RowSetModel::RowSetModel(const db::RowSet& rows, const QList<GridColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), columns_(columns) {
    resolveColumns();
    shownRows_ = rows_.rowCount();
}

void RowSetModel::resolveColumns() {
    sourceColumns_.clear();
    for (const GridColumn& column : columns_) {
        sourceColumns_.append(rows_.findColumn(column.column));
    }
}

int RowSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int RowSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RowSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.rowCount()) {
        return {};
    }
    const int source = sourceColumns_.at(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return source < 0 ? QString() : rows_.textAt(index.row(), source);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columns_.at(index.column()).alignment);
        default:
            return {};
    }
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < columns_.size()) {
        return columns_.at(section).title;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editor_ && index.isValid() && sourceColumns_.at(index.column()) >= 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!editor_ || role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const int source = sourceColumns_.at(index.column());
    return source >= 0 && editor_(index.row(), source, value.toString());
}

bool RowSetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && hasMoreRows_ && hasMoreRows_();
}

void RowSetModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent)) {
        reader_();
    }
}

void RowSetModel::appendReadRows() {
    const int count = rows_.rowCount();
    if (count > shownRows_) {
        beginInsertRows({}, shownRows_, count - 1);
        shownRows_ = count;
        endInsertRows();
    }
}

void RowSetModel::reset() {
    beginResetModel();
    resolveColumns();
    shownRows_ = rows_.rowCount();
    endResetModel();
}

void RowSetModel::refresh() {
    if (shownRows_ != rows_.rowCount()) {
        reset();
        return;
    }
    if (shownRows_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1));
    }
}

void configureGrid(QTableView* grid, RowSetModel* model) {
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(model->isEditable() ? QAbstractItemView::DoubleClicked |
                                                    QAbstractItemView::EditKeyPressed |
                                                    QAbstractItemView::AnyKeyPressed
                                              : QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setAlternatingRowColors(false);
    grid->setWordWrap(false);
    QHeaderView* header = grid->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    for (int c = 0; c < model->columnCount(); ++c) {
        const GridColumn& column = model->gridColumn(c);
        header->setSectionResizeMode(c, QHeaderView::Interactive);
        // Never narrower than its title.
        const int titleWidth = header->fontMetrics().horizontalAdvance(column.title) + 16;
        if (column.width > 0) {
            grid->setColumnWidth(c, std::max(column.width, titleWidth));
        } else {
            grid->resizeColumnToContents(c);
        }
    }
}

}  // namespace ui
