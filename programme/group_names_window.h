#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {
class CountLabel;
}

namespace programme {

// "Ονομασία ομάδων": new groups are typed into two free fields and stored with "Καταχώρηση";
// the groups, listed by name, are changed in place or deleted with the navigator. Deleting a
// group returns its children to the unassigned ones.
class GroupNamesWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit GroupNamesWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    QLineEdit* newNameField() const { return newName_; }
    QLineEdit* newResponsibleField() const { return newResponsible_; }
    QPushButton* addButton() const { return addButton_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* responsibleField() const { return responsible_; }
    QTableView* grid() const { return grid_; }
    ui::CountLabel* countLabel() const { return count_; }
    ui::Navigator* navigator() const { return navigator_; }
    ui::BoundTable* groups() const { return groups_; }

protected:
    void formShow() override;

private:
    QWidget* makeNewGroupBox();
    QWidget* makeChangeBox();
    void updateAddButton();
    void addGroup();
    void showCount();

    ui::BoundTable* groups_;
    QLineEdit* newName_;
    QLineEdit* newResponsible_;
    QPushButton* addButton_ = nullptr;
    QLineEdit* name_;
    QLineEdit* responsible_;
    QTableView* grid_;
    ui::CountLabel* count_ = nullptr;
    ui::Navigator* navigator_;
};

}  // namespace programme
