#include "directories/paediatricians_window.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "directories/directory_searches.h"
#include "ui/count_label.h"

namespace directories {

PaediatriciansWindow::PaediatriciansWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      rows_(bindQuery()),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::moving(), this)),
      count_(new ui::CountLabel(QStringLiteral("καταχωρήσεις"), this)) {
    setWindowTitle(QStringLiteral("Παιδίατροι"));
    rows_->attachGrid(grid_,
                      {
                          {QStringLiteral("ONOMA_GIATROY"), QStringLiteral("Παιδίατρος"), 220},
                          {QStringLiteral("DIEYTHYNSH_GIATROY"), QStringLiteral("Διεύθυνση"), 260},
                          {QStringLiteral("THLEFWNO_GIATROY"), QStringLiteral("Τηλέφωνο"), 120},
                      });
    rows_->attachNavigator(navigator_);
    rows_->setStatement(directories::paediatriciansStatement());
    count_->setCount(rows_->rows().rowCount());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(count_);
    layout->addWidget(navigator_);
    layout->addWidget(makeExitButton(), 0, Qt::AlignRight);
    grid_->setMinimumSize(640, 360);
    fixSizeAndCentre();
}

}  // namespace directories
