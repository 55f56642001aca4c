#pragma once

#include "ui/data_window.h"

class QTableView;

namespace ui {
class CountLabel;
}

namespace directories {

// "Παιδίατροι": the paediatricians recorded on the children's cards, read only.
class PaediatriciansWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit PaediatriciansWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    ui::BoundTable* rows() const { return rows_; }
    QTableView* grid() const { return grid_; }
    ui::CountLabel* countLabel() const { return count_; }

private:
    ui::BoundTable* rows_;
    QTableView* grid_;
    ui::Navigator* navigator_;
    ui::CountLabel* count_;
};

}  // namespace directories
