#include "organiser/book_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace organiser {

BookWindow::BookWindow(const common::ProgramContext& context, const organiser::Book& book,
                       const ui::GridColumn& heading, QWidget* parent)
    : ui::DataWindow(context, parent),
      book_(book),
      rows_(bindTable(book.table)),
      heading_(new QLineEdit(this)),
      text_(new QPlainTextEdit(this)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::all(), this)) {
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setFocusPolicy(Qt::ClickFocus);  // the keyboard order passes the grid by
    rows_->bind(heading_, heading.column);
    rows_->setCaption(heading.column, heading.title);
    rows_->bind(text_, QStringLiteral("KEIMENO"));
    rows_->attachGrid(grid_, {heading}, ui::BoundTable::GridEditing::InPlace);
    rows_->attachNavigator(navigator_);
}

void BookWindow::formShow() {
    rows_->sortBy(book_.sort);
}

}  // namespace organiser
