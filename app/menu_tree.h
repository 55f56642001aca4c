#pragma once

#include <QStringView>
#include <span>

namespace searches {
struct CannedSearch;
}

namespace app {

// The main menu as data: one row per entry, in order, each with its depth (0 = menu bar).
// A submenu holds the deeper rows that follow it. A command names what it runs: a window's
// command id ("TForm13", opened through the command map) or one of the main window's own
// commands below. A canned search runs the search it carries, whose caption it shows.
enum class MenuRowKind { Submenu, Command, Separator, CannedSearch };

// The two entries that swap once the receipt numbering is set.
enum class NumberingRole { None, ShownOnceSet, HiddenOnceSet };

struct MenuRow {
    int depth;
    MenuRowKind kind;
    QStringView caption;
    QStringView command;
    NumberingRole numbering = NumberingRole::None;
    const searches::CannedSearch* search = nullptr;
};

// The rows of the menu, the canned searches taken from their table in its order. A table that
// does not fill the menu's search rows exactly is a programming error (std::logic_error).
std::span<const MenuRow> mainMenuRows();

struct SideButton {
    QStringView caption;
    QStringView command;
};

// The side panel of the main window, top to bottom.
std::span<const SideButton> sideButtons();

// The windows created once after start-up, in their order of creation; they live until the
// program ends and keep their state between openings.
std::span<const QStringView> longLivedWindowOrder();

// The main window's own commands.
namespace shellCommand {
inline constexpr QStringView calculator = u"calculator";
inline constexpr QStringView images = u"images";
inline constexpr QStringView backup = u"backup";
inline constexpr QStringView exitProgram = u"exit";
}  // namespace shellCommand

// The command of the receipt numbering window (the entry hidden once the numbering is set):
// once the window has closed, the main window checks the numbering again.
QStringView receiptNumberingCommand();

}  // namespace app
