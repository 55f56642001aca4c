#include "app/shell_main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/menu_tree.h"

namespace app {

namespace {

// Adds an entry to the innermost open submenu, or to the menu bar at the top level.
QAction* addEntry(QMenuBar* bar, const QList<QMenu*>& menus, QAction* entry) {
    if (menus.isEmpty()) {
        bar->addAction(entry);
    } else {
        menus.last()->addAction(entry);
    }
    return entry;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar, const Availability& isAvailable, Runner run,
                   SearchRunner runSearch)
    : QObject(bar), run_(std::move(run)), runSearch_(std::move(runSearch)) {
    QList<QMenu*> menus;  // the open submenu of each depth above the current row
    for (const MenuRow& row : mainMenuRows()) {
        menus.resize(row.depth);
        QWidget* owner = menus.isEmpty() ? static_cast<QWidget*>(bar) : menus.last();
        const QString caption = row.caption.toString();
        QAction* entry = nullptr;
        switch (row.kind) {
            case MenuRowKind::Submenu: {
                auto* menu = new QMenu(caption, owner);
                entry = addEntry(bar, menus, menu->menuAction());
                menus.append(menu);
                break;
            }
            case MenuRowKind::Separator:
                entry = menus.last()->addSeparator();
                break;
            case MenuRowKind::Command: {
                entry = addEntry(bar, menus, new QAction(caption, owner));
                entry->setEnabled(isAvailable(row.command));
                const QStringView command = row.command;
                connect(entry, &QAction::triggered, this, [this, command] { run_(command); });
                break;
            }
            case MenuRowKind::CannedSearch: {
                entry = addEntry(bar, menus, new QAction(caption, owner));
                const searches::CannedSearch* search = row.search;
                connect(entry, &QAction::triggered, this, [this, search] { runSearch_(*search); });
                break;
            }
        }
        if (row.numbering == NumberingRole::ShownOnceSet) {
            entry->setVisible(false);
            shownOnceNumberingSet_.append(entry);
        } else if (row.numbering == NumberingRole::HiddenOnceSet) {
            hiddenOnceNumberingSet_.append(entry);
        }
    }
}

void MainMenu::showReceiptNumberingSet() {
    for (QAction* entry : shownOnceNumberingSet_) {
        entry->setVisible(true);
    }
    for (QAction* entry : hiddenOnceNumberingSet_) {
        entry->setVisible(false);
    }
}

}  // namespace app
