#include "programme/group_names_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "db/connection.h"
#include "programme/group_grids.h"
#include "programme/groups.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/navigator.h"
#include "ui/row_source.h"

namespace programme {

namespace {

// The groups, whose deletion also ends their children's assignments.
class GroupNamesSource : public ui::TableSource {
public:
    explicit GroupNamesSource(db::Connection& connection)
        : ui::TableSource(connection, groupNamesTable()), connection_(connection) {
        table().open();
    }
    void remove() override { removeCurrentGroup(connection_, table()); }

private:
    db::Connection& connection_;
};

void addLabelledField(QGridLayout* layout, int row, const QString& label, QLineEdit* field) {
    layout->addWidget(new QLabel(label, field->parentWidget()), row, 0);
    layout->addWidget(field, row, 1);
    layout->addWidget(ui::requiredMark(field->parentWidget()), row, 2);
}

}  // namespace

GroupNamesWindow::GroupNamesWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      groups_(bindSource(std::make_unique<GroupNamesSource>(connection()))),
      newName_(new QLineEdit(this)),
      newResponsible_(new QLineEdit(this)),
      name_(new QLineEdit(this)),
      responsible_(new QLineEdit(this)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::moving() | ui::Navigator::Delete |
                                       ui::Navigator::Post | ui::Navigator::Cancel,
                                   this)) {
    setWindowTitle(QStringLiteral("Ονομασία ομάδων"));
    groups_->bind(name_, QStringLiteral("OMADA"));
    groups_->bind(responsible_, QStringLiteral("RESPONSIBLE"));
    groups_->setCaption(QStringLiteral("OMADA"), QStringLiteral("Ομάδα"));
    groups_->setCaption(QStringLiteral("RESPONSIBLE"), QStringLiteral("Υπεύθυνος"));
    groups_->attachGrid(grid_, groupGridColumns());
    groups_->attachNavigator(navigator_);
    grid_->setFocusPolicy(Qt::ClickFocus);
    connect(groups_, &ui::BoundTable::changed, this, &GroupNamesWindow::showCount);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeNewGroupBox());
    layout->addWidget(makeChangeBox());
    layout->addWidget(makeExitButton(), 0, Qt::AlignRight);
    showCount();
    fixSizeAndCentre();
}

QWidget* GroupNamesWindow::makeNewGroupBox() {
    auto* box = new QGroupBox(QStringLiteral("Καταχώρηση"), this);
    newName_->setParent(box);
    newResponsible_->setParent(box);
    auto* layout = new QGridLayout(box);
    addLabelledField(layout, 0, QStringLiteral("Ομάδα:"), newName_);
    addLabelledField(layout, 1, QStringLiteral("Υπεύθυνος:"), newResponsible_);
    addButton_ = new QPushButton(QStringLiteral("Καταχώρηση"), box);
    addButton_->setEnabled(false);
    setMainAction(addButton_);
    layout->addWidget(addButton_, 2, 1, Qt::AlignRight);
    connect(newName_, &QLineEdit::textChanged, this, &GroupNamesWindow::updateAddButton);
    connect(newResponsible_, &QLineEdit::textChanged, this, &GroupNamesWindow::updateAddButton);
    connect(addButton_, &QPushButton::clicked, this, &GroupNamesWindow::addGroup);
    return box;
}

QWidget* GroupNamesWindow::makeChangeBox() {
    auto* box = new QGroupBox(QStringLiteral("Αλλαγή / Διαγραφή"), this);
    for (QWidget* widget : {static_cast<QWidget*>(name_), static_cast<QWidget*>(responsible_),
                            static_cast<QWidget*>(grid_), static_cast<QWidget*>(navigator_)}) {
        widget->setParent(box);
    }
    auto* layout = new QGridLayout(box);
    addLabelledField(layout, 0, QStringLiteral("Ομάδα:"), name_);
    addLabelledField(layout, 1, QStringLiteral("Υπεύθυνος:"), responsible_);
    grid_->setFixedSize(300, 200);
    layout->addWidget(grid_, 2, 0, 1, 3);
    count_ = new ui::CountLabel(QStringLiteral("ομάδες"), box);
    layout->addWidget(count_, 3, 0, 1, 3);
    layout->addWidget(navigator_, 4, 0, 1, 3);
    return box;
}

void GroupNamesWindow::formShow() {
    groups_->sortBy(groupNamesSort());
    showCount();
}

void GroupNamesWindow::updateAddButton() {
    addButton_->setEnabled(canAddGroup(newName_->text(), newResponsible_->text()));
}

void GroupNamesWindow::addGroup() {
    if (!canAddGroup(newName_->text(), newResponsible_->text())) {
        return;  // Enter pressed while the button is disabled
    }
    if (!groups_->settle()) {
        return;
    }
    connection().execute(newGroupStatement(newName_->text(), newResponsible_->text()));
    newName_->clear();
    newResponsible_->clear();
    groups_->reload();
    groups_->sortBy(groupNamesSort());
    showCount();
    newName_->setFocus();
}

void GroupNamesWindow::showCount() {
    const int found = groups_->rows().rowCount();
    count_->setCount(found);
    name_->setEnabled(found != 0);
    responsible_->setEnabled(found != 0);
}

}  // namespace programme
