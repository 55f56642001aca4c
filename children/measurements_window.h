#pragma once

#include "common/child_openers.h"
#include "ui/data_window.h"

class QLineEdit;
class QTableView;

namespace ui {
class CountLabel;
class Navigator;
}  // namespace ui

namespace children {

// "Σωματομετρία": records a child's height and weight on a day and lists the child's
// measurements, oldest first. The entry fields always fill a new row; the list deletes the
// measurement chosen.
class MeasurementsWindow : public ui::DataWindow {
    Q_OBJECT
public:
    MeasurementsWindow(const common::ProgramContext& context, const QString& registryNumber,
                       const QString& firstName, const QString& surname, QWidget* parent = nullptr);

    static QString caption();

    QLineEdit* dateField() const { return date_; }
    QLineEdit* heightField() const { return height_; }
    QLineEdit* weightField() const { return weight_; }
    ui::Navigator* entryNavigator() const { return entryNavigator_; }
    ui::Navigator* listNavigator() const { return listNavigator_; }
    QTableView* grid() const { return grid_; }
    ui::CountLabel* countLabel() const { return count_; }
    const db::RowSet& list() const { return list_->rows(); }

private:
    QLayout* makeEntryFields();
    QWidget* makeList();
    void beginEntry();
    void stampRegistryNumber();
    void entrySaved();
    void updateCount();

    common::ChildIdentity child_;
    ui::BoundTable* entry_;
    ui::BoundTable* list_;
    QLineEdit* date_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* weight_ = nullptr;
    ui::Navigator* entryNavigator_ = nullptr;
    ui::Navigator* listNavigator_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::CountLabel* count_ = nullptr;
};

}  // namespace children
