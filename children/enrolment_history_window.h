#pragma once

#include "common/child_openers.h"
#include "ui/data_window.h"

class QPushButton;
class QTableView;

namespace ui {
class CountLabel;
class Navigator;
}  // namespace ui

namespace children {

// "Επανεγγραφές / Διαγραφές": a child's enrolment periods, oldest first, with the re-enrolment
// (only while no period is open) and the de-enrolment of the current period (only while it is
// open). After either window closes the history is read again on a new connection.
class EnrolmentHistoryWindow : public ui::DataWindow {
    Q_OBJECT
public:
    EnrolmentHistoryWindow(const common::ProgramContext& context, const QString& registryNumber,
                           const QString& firstName, const QString& surname,
                           QWidget* parent = nullptr);

    static QString caption();

    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }
    ui::CountLabel* countLabel() const { return count_; }
    QPushButton* reEnrolButton() const { return reEnrol_; }
    QPushButton* deEnrolButton() const { return deEnrol_; }
    const db::RowSet& rows() const { return history_->rows(); }

private:
    QWidget* makeGrid();
    void refreshButtons();
    void reEnrol();
    void deEnrol();
    void reconnectAndReload();

    common::ChildIdentity child_;
    ui::BoundTable* history_;
    QTableView* grid_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    ui::CountLabel* count_ = nullptr;
    QPushButton* reEnrol_ = nullptr;
    QPushButton* deEnrol_ = nullptr;
};

}  // namespace children
