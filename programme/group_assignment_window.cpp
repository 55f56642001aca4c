#include "programme/group_assignment_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "db/connection.h"
#include "programme/group_grids.h"
#include "programme/groups.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/navigator.h"

namespace programme {

namespace {

constexpr int kChildrenGridWidth = 660;
constexpr int kGridHeight = 190;

QString trimmedText(const ui::BoundTable* rows, const QString& column) {
    return rows->rows().position() < 0 ? QString() : rows->rows().text(column).trimmed();
}

// The count and the navigator under a grid.
QHBoxLayout* countAndNavigator(ui::CountLabel* count, ui::Navigator* navigator) {
    auto* row = new QHBoxLayout;
    row->addWidget(count);
    row->addStretch();
    row->addWidget(navigator);
    return row;
}

}  // namespace

GroupAssignmentWindow::GroupAssignmentWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      groups_(bindTable(groupNamesTable())),
      members_(bindQuery()),
      unassigned_(bindQuery()) {
    setWindowTitle(QStringLiteral("Κατανομή των παιδιών σε ομάδες"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(makeGroupsArea(), 0, 0);
    layout->addWidget(makeMembersArea(), 0, 1);
    layout->addWidget(makeAssignmentBox(), 1, 0, Qt::AlignTop);
    layout->addWidget(makeUnassignedArea(), 1, 1);
    layout->addWidget(makeExitButton(), 2, 1, Qt::AlignRight);

    connect(groups_, &ui::BoundTable::changed, this, &GroupAssignmentWindow::groupChosen);
    connect(unassigned_, &ui::BoundTable::changed, this, &GroupAssignmentWindow::showChosenChild);
    connect(assignButton_, &QPushButton::clicked, this, &GroupAssignmentWindow::assignChild);
    connect(removeButton_, &QPushButton::clicked, this, &GroupAssignmentWindow::removeChild);
    fixSizeAndCentre();
}

QWidget* GroupAssignmentWindow::makeGroupsArea() {
    auto* area = new QGroupBox(QStringLiteral("Ομάδες"), this);
    auto* grid = new QTableView(area);
    grid->setFixedSize(280, kGridHeight);
    groups_->attachGrid(grid, groupGridColumns());
    groupCount_ = new ui::CountLabel(QStringLiteral("ομάδες"), area);
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), area);
    groups_->attachNavigator(navigator);
    auto* layout = new QVBoxLayout(area);
    layout->addWidget(grid);
    layout->addLayout(countAndNavigator(groupCount_, navigator));
    return area;
}

QTableView* GroupAssignmentWindow::makeChildrenGrid(ui::BoundTable* children, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setFixedSize(kChildrenGridWidth, kGridHeight);
    grid->setFocusPolicy(Qt::ClickFocus);
    children->attachGrid(grid, childrenGridColumns());
    return grid;
}

QWidget* GroupAssignmentWindow::makeMembersArea() {
    auto* area = new QWidget(this);
    membersTitle_ = ui::boldLabel(QString(), area);
    memberCount_ = new ui::CountLabel(QStringLiteral("παιδιά"), area);
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), area);
    members_->attachNavigator(navigator);
    removeButton_ = new QPushButton(QStringLiteral("Διαγραφή"), area);
    removeButton_->setAutoDefault(false);
    auto* bottom = countAndNavigator(memberCount_, navigator);
    bottom->addWidget(removeButton_);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(membersTitle_);
    layout->addWidget(makeChildrenGrid(members_, area));
    layout->addLayout(bottom);
    return area;
}

QWidget* GroupAssignmentWindow::makeUnassignedArea() {
    auto* area = new QWidget(this);
    unassignedCount_ = new ui::CountLabel(QStringLiteral("παιδιά"), area);
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), area);
    unassigned_->attachNavigator(navigator);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ui::boldLabel(QStringLiteral("Παιδιά που δεν ανήκουν σε καμιά ομάδα"), area));
    layout->addWidget(makeChildrenGrid(unassigned_, area));
    layout->addLayout(countAndNavigator(unassignedCount_, navigator));
    return area;
}

QWidget* GroupAssignmentWindow::makeAssignmentBox() {
    assignmentBox_ = new QGroupBox(this);
    assignmentBox_->setFixedWidth(300);
    childNumber_ = ui::redLabel(QString(), assignmentBox_, true);
    childName_ = ui::redLabel(QString(), assignmentBox_, true);
    childSurname_ = ui::redLabel(QString(), assignmentBox_, true);
    targetGroup_ = ui::redLabel(QString(), assignmentBox_, true);
    assignButton_ = new QPushButton(QStringLiteral("Καταχώρηση"), assignmentBox_);
    setMainAction(assignButton_);

    auto* layout = new QGridLayout(assignmentBox_);
    layout->addWidget(new QLabel(QStringLiteral("Eπιλέχθηκε το παιδί με"), assignmentBox_), 0, 0, 1,
                      2);
    layout->addWidget(new QLabel(QStringLiteral("Αριθμό μητρώου:"), assignmentBox_), 1, 0);
    layout->addWidget(childNumber_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Όνομα:"), assignmentBox_), 2, 0);
    layout->addWidget(childName_, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("Επώνυμο:"), assignmentBox_), 3, 0);
    layout->addWidget(childSurname_, 3, 1);
    layout->addWidget(new QLabel(QStringLiteral("για καταχώρηση στην ομάδα"), assignmentBox_), 4, 0,
                      1, 2);
    layout->addWidget(targetGroup_, 5, 0, 1, 2);
    layout->addWidget(assignButton_, 6, 1, Qt::AlignRight);
    return assignmentBox_;
}

void GroupAssignmentWindow::formShow() {
    groups_->sortBy(groupNamesSort());
    groupCount_->setCount(groups_->rows().rowCount());
    shownGroupId_ = -1;
    refreshMembers();
    refreshUnassigned();
}

bool GroupAssignmentWindow::hasGroup() const {
    return groups_->rows().position() >= 0;
}

qint64 GroupAssignmentWindow::currentGroupId() const {
    return hasGroup() ? groups_->rows().value(QStringLiteral("ID")).toLongLong() : -1;
}

QString GroupAssignmentWindow::currentGroupName() const {
    return trimmedText(groups_, QStringLiteral("OMADA"));
}

void GroupAssignmentWindow::groupChosen() {
    groupCount_->setCount(groups_->rows().rowCount());
    if (currentGroupId() != shownGroupId_) {
        refreshMembers();
    }
}

void GroupAssignmentWindow::refreshMembers() {
    shownGroupId_ = currentGroupId();
    membersTitle_->setText(QStringLiteral("Παιδιά που ανήκουν στην ομάδα ") + currentGroupName());
    targetGroup_->setText(currentGroupName());
    if (hasGroup()) {
        members_->setStatement(groupMembersStatement(shownGroupId_));
    } else {
        members_->setStatement(groupMembersStatement(-1));  // no group: nobody
    }
    const int found = members_->rows().rowCount();
    memberCount_->setCount(found);
    removeButton_->setVisible(found != 0);
}

void GroupAssignmentWindow::refreshUnassigned() {
    unassigned_->setStatement(unassignedChildrenStatement());
    const int found = unassigned_->rows().rowCount();
    unassignedCount_->setCount(found);
    assignmentBox_->setVisible(found != 0 && hasGroup());
    showChosenChild();
}

void GroupAssignmentWindow::showChosenChild() {
    childNumber_->setText(trimmedText(unassigned_, QStringLiteral("ARITHMOS_MHTRWOY")));
    childName_->setText(trimmedText(unassigned_, QStringLiteral("ONOMA_PAIDIOY")));
    childSurname_->setText(trimmedText(unassigned_, QStringLiteral("EPWNYMO_PAIDIOY")));
}

void GroupAssignmentWindow::assignChild() {
    if (!hasGroup() || unassigned_->rows().position() < 0) {
        return;
    }
    const qint64 child = unassigned_->rows().value(QStringLiteral("ARITHMOS_MHTRWOY")).toLongLong();
    connection().execute(assignChildStatement(child, currentGroupId()));
    refreshMembers();
    refreshUnassigned();
}

void GroupAssignmentWindow::removeChild() {
    if (members_->rows().position() < 0) {
        return;
    }
    const qint64 child = members_->rows().value(QStringLiteral("ARITHMOS_MHTRWOY")).toLongLong();
    connection().execute(removeChildStatement(child));
    refreshMembers();
    refreshUnassigned();
}

}  // namespace programme
