#pragma once

#include "organiser/books.h"
#include "ui/data_window.h"

class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace organiser {

// What the organiser's record books share: a heading field (a title or a date) over a long
// text, a grid of the headings that can be edited in place, the navigator with every editing
// button, and the rows listed in the book's order each time the window is shown. Each book lays
// these out in its own way.
class BookWindow : public ui::DataWindow {
    Q_OBJECT
public:
    ui::BoundTable* rows() const { return rows_; }
    QPlainTextEdit* textField() const { return text_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }

protected:
    // heading: the heading's column as the grid shows it; the heading field edits that column.
    BookWindow(const common::ProgramContext& context, const organiser::Book& book,
               const ui::GridColumn& heading, QWidget* parent);

    QLineEdit* headingField() const { return heading_; }
    void formShow() override;

private:
    organiser::Book book_;
    ui::BoundTable* rows_;
    QLineEdit* heading_;
    QPlainTextEdit* text_;
    QTableView* grid_;
    ui::Navigator* navigator_;
};

}  // namespace organiser
