#include "programme/group_children_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <stdexcept>

#include "db/connection.h"
#include "programme/group_grids.h"
#include "programme/groups.h"
#include "searches/search_results_window.h"
#include "searches/title_lines.h"
#include "ui/long_lived_windows.h"
#include "ui/navigator.h"

namespace programme {

GroupChildrenWindow::GroupChildrenWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      groups_(bindTable(groupNamesTable())),
      findButton_(new QPushButton(QStringLiteral("Εύρεση"), this)) {
    setWindowTitle(QStringLiteral("Παιδιά που ανήκουν σε συγκεκριμένη ομάδα"));
    auto* grid = new QTableView(this);
    grid->setFixedSize(300, 220);
    groups_->attachGrid(grid, groupGridColumns());
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), this);
    groups_->attachNavigator(navigator);
    setMainAction(findButton_);
    connect(findButton_, &QPushButton::clicked, this, &GroupChildrenWindow::showGroupChildren);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(navigator);
    buttons->addStretch();
    buttons->addWidget(findButton_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
    fixSizeAndCentre();
}

void GroupChildrenWindow::formShow() {
    groups_->sortBy(groupNamesSort());
    findButton_->setEnabled(groups_->rows().rowCount() != 0);
}

void GroupChildrenWindow::showGroupChildren() {
    const db::RowSet& group = groups_->rows();
    if (group.position() < 0) {
        return;
    }
    auto* results = ui::longLivedWindow<searches::SearchResultsWindow>();
    if (!results) {
        throw std::logic_error(
            "A group was listed before the program created the search results "
            "window");
    }
    {
        // The title lines go through a connection of their own, closed again at once.
        db::Connection titles(programContext().connectionString);
        searches::writeTitleLines(
            titles, groupListTitle(group.text(QStringLiteral("OMADA")).trimmed()),
            groupListResponsibleLine(group.text(QStringLiteral("RESPONSIBLE")).trimmed()));
    }
    results->setSearchText(groupListStatement(group.value(QStringLiteral("ID")).toLongLong()));
    results->showSearch();
}

}  // namespace programme
