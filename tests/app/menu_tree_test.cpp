#include <gtest/gtest.h>

#include <QString>

#include "app/menu_tree.h"

namespace {

// The menu is one table read by depth: a mis-nested row would silently move entries into the
// wrong submenu, so the table's shape is checked here.
TEST(MenuTree, RowsNestUnderTheirSubmenusAndEveryCommandNamesWhatItRuns) {
    const auto rows = app::mainMenuRows();
    int cannedSearches = 0;
    int previousDepth = 0;
    bool previousWasSubmenu = true;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const app::MenuRow& row = rows[index];
        SCOPED_TRACE(row.caption.toString().toStdString());
        EXPECT_LE(row.depth, previousDepth + (previousWasSubmenu ? 1 : 0));
        if (previousWasSubmenu && index > 0) {
            EXPECT_EQ(row.depth, previousDepth + 1) << "an empty submenu";
        }
        EXPECT_EQ(row.kind == app::MenuRowKind::Command, !row.command.isEmpty());
        EXPECT_EQ(row.kind == app::MenuRowKind::Separator, row.caption.isEmpty());
        cannedSearches += row.kind == app::MenuRowKind::CannedSearch ? 1 : 0;
        previousDepth = row.depth;
        previousWasSubmenu = row.kind == app::MenuRowKind::Submenu;
    }
    EXPECT_EQ(cannedSearches, 76);
    EXPECT_EQ(rows.front().caption, u"&Επιλογές");
    EXPECT_EQ(rows.back().command, app::shellCommand::exitProgram);
}

}  // namespace
