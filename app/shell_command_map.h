#pragma once

#include <QList>
#include <QStringView>

class QWidget;

namespace common {
struct ProgramContext;
}
namespace searches {
struct CannedSearch;
}

namespace app {

// The command map: which window each command of the main menu and the side panel opens. A
// window's command id is its form number ("TForm13"), written in the menu table and here only.
// Every window opens modally over `parent`: a fresh window for each opening, given the program
// context, or the one long-lived window with its state kept.

// True when a window is tied to the command; a command without one stays disabled.
bool hasWindow(QStringView command);

// Every command tied to a window, in the order of the map.
QList<QStringView> windowCommands();

// Opens the command's window and returns when it has closed. A command without a window is a
// programming error (std::logic_error).
void openWindow(QStringView command, const common::ProgramContext& context, QWidget* parent);

// Runs a canned search of the "Έ&ρευνα" menu in the long-lived search results window.
void runCannedSearch(const searches::CannedSearch& search);

// Ties the per-child windows of the children list (payment, ...) to their buttons and the
// child's details to the search results. Run once at start-up, before those windows can open.
void tieChildWindows();

}  // namespace app
