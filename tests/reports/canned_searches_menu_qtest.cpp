// The canned searches of the table find their entries in the program's main menu: every one of
// them, and nothing else among the menu's search entries.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/shell_main_menu.h"
#include "reports/canned_searches.h"

using namespace Qt::StringLiterals;

namespace {

// The entries of a menu that run something (no submenus, no separators), depth first.
QList<QAction*> commandEntries(const QMenu* menu) {
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            entries += commandEntries(action->menu());
        } else if (!action->isSeparator()) {
            entries.append(action);
        }
    }
    return entries;
}

}  // namespace

class CannedSearchesMenuTest : public QObject {
    Q_OBJECT

private slots:
    void everySearchHasItsEntryInMenuOrder() {
        QMenuBar bar;
        app::MainMenu menu(
            &bar, [](QStringView) { return false; }, [](QStringView) {});
        QList<app::CannedSearchCommand> commands;
        QStringList ran;
        for (const reports::CannedSearch& search : reports::cannedSearches()) {
            commands.append({search.menuPath, search.caption,
                             [&ran, search](QWidget*) { ran.append(search.title); }});
        }
        menu.attachCannedSearches(commands, nullptr);  // throws for a search without an entry

        QMenu* searchMenu = nullptr;
        for (QAction* top : bar.actions()) {
            if (top->text() == u"Έ&ρευνα"_s) {
                searchMenu = top->menu();
            }
        }
        QVERIFY(searchMenu);
        // Other commands are unavailable here, so the enabled entries are the searches.
        QStringList enabled;
        QAction* lastSearch = nullptr;
        for (QAction* entry : commandEntries(searchMenu)) {
            if (entry->isEnabled()) {
                enabled.append(entry->text());
                lastSearch = entry;
            }
        }
        QStringList captions;
        for (const reports::CannedSearch& search : reports::cannedSearches()) {
            captions.append(search.caption);
        }
        QCOMPARE(enabled, captions);

        lastSearch->trigger();
        QCOMPARE(ran, QStringList{u"ΠΑΙΔΙΑ ΠΟΥ ΟΦΕΙΛΟΥΝ ΔΙΔΑΚΤΡΑ"_s});
    }
};

QTEST_MAIN(CannedSearchesMenuTest)
#include "canned_searches_menu_qtest.moc"
