#include "organiser/dated_book_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/labels.h"

DatedBookWindow::DatedBookWindow(const QString& caption, const organiser::Book& book,
                                 QWidget* parent)
    : ui::DataWindow(parent),
      book_(book),
      rows_(bindTable(book.table)),
      date_(new QLineEdit(this)),
      text_(new QPlainTextEdit(this)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::all(), this)) {
    setWindowTitle(caption);

    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setFocusPolicy(Qt::ClickFocus);  // the keyboard order passes the grid by
    rows_->bind(date_, QStringLiteral("HMEROMHNIA"));
    rows_->setCaption(QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"));
    rows_->bind(text_, QStringLiteral("KEIMENO"));
    rows_->attachGrid(grid_,
                      {{QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 110,
                        Qt::AlignCenter}},
                      ui::BoundTable::GridEditing::InPlace);
    rows_->attachNavigator(navigator_);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date_);
    dateRow->addWidget(ui::requiredMark(this));
    dateRow->addWidget(ui::redLabel(QStringLiteral("(π.χ 28/12/2007)"), this));
    dateRow->addStretch();
    date_->setFixedWidth(110);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Ημερομηνία:"), this), 0, 0);
    layout->addLayout(dateRow, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Κείμενο:"), this), 1, 0, Qt::AlignTop);
    layout->addWidget(text_, 1, 1);
    layout->addWidget(grid_, 0, 2, 2, 1);
    layout->addWidget(navigator_, 2, 1);
    layout->addWidget(makeExitButton(), 2, 2, Qt::AlignRight);
    text_->setMinimumSize(480, 360);
    grid_->setFixedWidth(150);
    fixSizeAndCentre();
}

void DatedBookWindow::formShow() { rows_->sortBy(book_.sort); }
