#pragma once

#include "ui/data_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace ui {
class CountLabel;
}

namespace programme {

// "Κατανομή των παιδιών σε ομάδες": the groups, the active members of the current group (by
// surname) and the active children in no group (oldest first). The current unassigned child
// is assigned to the current group in the assignment box; "Διαγραφή" takes the current member
// out of its group. Both lists are read again after every change.
class GroupAssignmentWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit GroupAssignmentWindow(const common::ProgramContext& context,
                                   QWidget* parent = nullptr);

    ui::BoundTable* groups() const { return groups_; }
    ui::BoundTable* members() const { return members_; }
    ui::BoundTable* unassigned() const { return unassigned_; }
    ui::CountLabel* groupCount() const { return groupCount_; }
    ui::CountLabel* memberCount() const { return memberCount_; }
    ui::CountLabel* unassignedCount() const { return unassignedCount_; }
    QPushButton* removeButton() const { return removeButton_; }
    QPushButton* assignButton() const { return assignButton_; }
    QGroupBox* assignmentBox() const { return assignmentBox_; }
    QLabel* membersTitle() const { return membersTitle_; }

protected:
    void formShow() override;

private:
    QWidget* makeGroupsArea();
    QWidget* makeMembersArea();
    QWidget* makeUnassignedArea();
    QWidget* makeAssignmentBox();
    QTableView* makeChildrenGrid(ui::BoundTable* children, QWidget* parent);

    bool hasGroup() const;
    qint64 currentGroupId() const;
    QString currentGroupName() const;
    void groupChosen();
    void refreshMembers();
    void refreshUnassigned();
    void showChosenChild();
    void assignChild();
    void removeChild();

    ui::BoundTable* groups_;
    ui::BoundTable* members_;
    ui::BoundTable* unassigned_;
    qint64 shownGroupId_ = -1;
    ui::CountLabel* groupCount_ = nullptr;
    ui::CountLabel* memberCount_ = nullptr;
    ui::CountLabel* unassignedCount_ = nullptr;
    QLabel* membersTitle_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QGroupBox* assignmentBox_ = nullptr;
    QLabel* childNumber_ = nullptr;
    QLabel* childName_ = nullptr;
    QLabel* childSurname_ = nullptr;
    QLabel* targetGroup_ = nullptr;
    QPushButton* assignButton_ = nullptr;
};

}  // namespace programme
