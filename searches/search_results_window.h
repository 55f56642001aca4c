#pragma once

#include <QString>

#include "ui/data_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace db {
class RowSet;
}
namespace ui {
class BoundTable;
class CountLabel;
class Navigator;
}  // namespace ui
namespace searches {
struct CannedSearch;

// The search results window ("Έρευνα"), created once at program start and shared by every
// search. A caller writes the title lines into PERIGRAFH, sets the search text (a SELECT of
// the ten children columns) and calls showSearch(); the window runs the search, shows the
// children with the title lines and their count, opens a child's card (through the child
// opener registry) and prints the list.
class SearchResultsWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit SearchResultsWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    // The statement to show; kept between openings until a caller sets another.
    void setSearchText(const QString& statement) { searchText_ = statement; }
    QString searchText() const { return searchText_; }

    // Runs the search and shows the window modally; returns when it has been closed. The
    // search runs before the window appears, so a statement the engine refuses reaches the
    // caller and the window stays hidden.
    void showSearch();

    // Reads the title lines and runs the search again; the count and the buttons follow.
    void refresh();

    // What the window shows, for the callers' tests.
    const db::RowSet& result() const;
    QString firstTitleLine() const;
    QString secondTitleLine() const;
    QString countText() const;
    QPushButton* cardButton() const { return cardButton_; }
    QPushButton* printButton() const { return printButton_; }
    QTableView* grid() const { return grid_; }

private:
    QWidget* makeTitleLines();
    QWidget* makeGrid();
    QWidget* makeBottomRow();
    void showChildCard();
    void printList();

    QString searchText_;
    ui::BoundTable* titles_ = nullptr;
    ui::BoundTable* children_ = nullptr;
    QLabel* firstTitle_ = nullptr;
    QLabel* secondTitle_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::CountLabel* count_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QPushButton* cardButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
};

// Runs a canned search as its menu entry does: writes its title line (the second line empty)
// on a connection of its own (made from the results window's program context), hands its
// statement to the results window and shows it.
void runCannedSearch(const CannedSearch& search, SearchResultsWindow& results);

}  // namespace searches
