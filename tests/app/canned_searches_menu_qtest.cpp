// The canned searches of the table make their entries in the program's main menu: every one of
// them under its submenu path, and nothing else among the menu's search entries.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/shell_main_menu.h"
#include "searches/canned_searches.h"

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

// The entry reached from a menu through these captions, or nullptr.
QAction* entryAt(const QMenu* menu, const QStringList& path) {
    for (QAction* action : menu->actions()) {
        if (action->text() != path.first()) {
            continue;
        }
        if (path.size() == 1) {
            return action;
        }
        if (action->menu()) {
            if (QAction* found = entryAt(action->menu(), path.mid(1))) {
                return found;
            }
        }
    }
    return nullptr;
}

}  // namespace

class CannedSearchesMenuTest : public QObject {
    Q_OBJECT

private slots:
    void everySearchHasItsEntryInMenuOrder() {
        QMenuBar bar;
        QStringList ran;
        app::MainMenu menu(
            &bar, [](QStringView) { return false; }, [](QStringView) {},
            [&ran](const searches::CannedSearch& search) { ran.append(search.title); });

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
        for (const searches::CannedSearch& search : searches::cannedSearches()) {
            captions.append(search.caption);
        }
        QCOMPARE(enabled, captions);

        lastSearch->trigger();
        QCOMPARE(ran, QStringList{u"ΠΑΙΔΙΑ ΠΟΥ ΟΦΕΙΛΟΥΝ ΔΙΔΑΚΤΡΑ"_s});

        // Each entry sits under the submenu path its search names and runs that search.
        for (const searches::CannedSearch& search : searches::cannedSearches()) {
            QAction* entry = entryAt(searchMenu, search.menuPath + QStringList{search.caption});
            QVERIFY2(entry, qPrintable(search.title));
            ran.clear();
            entry->trigger();
            QCOMPARE(ran, QStringList{search.title});
        }
    }
};

QTEST_MAIN(CannedSearchesMenuTest)
#include "canned_searches_menu_qtest.moc"
