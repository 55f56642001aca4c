#pragma once

#include <QList>
#include <functional>

#include "ui/data_window.h"

class QLineEdit;
class QTableView;

namespace directories {

// One field of a directory window: its column, the label above it, and whether it carries the
// red mark of a field the staff must fill in.
struct DirectoryField {
    QString column;
    QString label;
    bool required = false;
};

// What a directory window shows: table, fields in form order and grid columns.
struct DirectoryLayout {
    QString table;
    QString sort;  // the entry window's order
    QList<DirectoryField> fields;
    QList<ui::GridColumn> grid;
};

// How a find window finds its rows: the caption above its search edit and the statement the
// text typed there builds.
struct DirectorySearch {
    QString caption;
    std::function<QString(const QString&)> statement;
};

// A directory window: bound fields under their labels, a read-only grid of every row and a
// navigator. The entry kind edits the whole table; the find kind edits the rows found by the
// first letters typed into its search edit, searching again at every change.
class DirectoryWindow : public ui::DataWindow {
    Q_OBJECT
public:
    // An entry window: every row of the table.
    DirectoryWindow(const common::ProgramContext& context, const QString& caption,
                    const DirectoryLayout& layout, QWidget* parent);
    // A find window: the rows its search finds.
    DirectoryWindow(const common::ProgramContext& context, const QString& caption,
                    const DirectoryLayout& layout, const DirectorySearch& search, QWidget* parent);

    ui::BoundTable* rows() const { return rows_; }
    QLineEdit* field(const QString& column) const;
    QLineEdit* searchEdit() const { return search_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }

protected:
    void formShow() override;

private:
    DirectoryWindow(const common::ProgramContext& context, const QString& caption,
                    const DirectoryLayout& layout, const DirectorySearch* search, QWidget* parent);
    QLayout* makeFields();
    void search();

    DirectoryLayout layout_;
    std::function<QString(const QString&)> searchStatement_;  // find windows only
    ui::BoundTable* rows_;
    QList<QLineEdit*> fields_;
    QLineEdit* search_ = nullptr;
    QTableView* grid_;
    ui::Navigator* navigator_;
};

}  // namespace directories
