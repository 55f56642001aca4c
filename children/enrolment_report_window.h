#pragma once

#include "children/enrolment_reports.h"
#include "ui/data_window.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {
class CountLabel;
class Navigator;
}  // namespace ui

namespace children {

// What the three lists of enrolment periods between two dates share: "Από:" and "Μέχρι:", the
// search, the grid of periods with their children and the count. Dates that are not dates get
// "Λανθασμένα κριτήρια." and leave the grid empty.
class EnrolmentReportWindow : public ui::DataWindow {
    Q_OBJECT
public:
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QPushButton* searchButton() const { return search_; }
    QTableView* grid() const { return grid_; }
    ui::CountLabel* countLabel() const { return count_; }
    const db::RowSet& rows() const { return rows_->rows(); }

protected:
    EnrolmentReportWindow(const common::ProgramContext& context, EnrolmentReport report,
                          QWidget* parent);

private:
    QLayout* makeDateFields();
    QWidget* makeGrid();
    void fieldChanged();
    void search();

    EnrolmentReport report_;
    ui::BoundTable* rows_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* search_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    ui::CountLabel* count_ = nullptr;
};

}  // namespace children
