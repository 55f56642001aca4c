#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QTableView;

namespace expenses {

// "Λειτουργικά έξοδα - Επεξεργασία": the operating expenses, newest first, edited directly
// through the four fields, the navigator and the grid.
class ExpensesEntryWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit ExpensesEntryWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    ui::BoundTable* rows() const { return rows_; }
    QLineEdit* field(const QString& column) const;
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }

protected:
    void formShow() override;

private:
    QLayout* makeFields();

    ui::BoundTable* rows_;
    QTableView* grid_;
    ui::Navigator* navigator_;
    QList<QLineEdit*> fields_;
};

}  // namespace expenses
