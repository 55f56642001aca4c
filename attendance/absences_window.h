#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {
class CountLabel;
class Navigator;
}  // namespace ui

namespace attendance {

// The absences of one child ("Απουσίες"): records a day of absence typed into the date field,
// lists the child's absences with the latest day first and deletes one through the navigator.
class AbsencesWindow : public ui::DataWindow {
    Q_OBJECT
public:
    // The child as the children list hands it: registry number, first name, surname (trimmed).
    AbsencesWindow(const common::ProgramContext& context, const QString& childNumber,
                   const QString& firstName, const QString& surname, QWidget* parent = nullptr);

    QLineEdit* dayField() const { return dayField_; }
    QPushButton* recordButton() const { return recordButton_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }
    ui::CountLabel* countLabel() const { return count_; }
    const db::RowSet& absences() const;

protected:
    void formShow() override;

private:
    QWidget* makeHeader(const QString& firstName, const QString& surname);
    QWidget* makeList();
    void refresh();
    void updateCount();
    void record();

    QString childNumber_;
    ui::BoundTable* absences_ = nullptr;
    QLineEdit* dayField_ = nullptr;
    QPushButton* recordButton_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::CountLabel* count_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
};

}  // namespace attendance
