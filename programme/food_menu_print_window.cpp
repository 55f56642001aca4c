#include "programme/food_menu_print_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "db/connection.h"
#include "programme/food_menu.h"
#include "programme/report_programme.h"

namespace programme {

FoodMenuPrintWindow::FoodMenuPrintWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent),
      context_(context),
      printAll_(new QPushButton(QStringLiteral("Εκτύπωση όλων"), this)),
      printSelected_(new QPushButton(QStringLiteral("Εκτύπωση του επιλεγμένου"), this)) {
    setWindowTitle(QStringLiteral("Εκτύπωση"));
    setMainAction(printAll_);
    printSelected_->setAutoDefault(false);
    connect(printAll_, &QPushButton::clicked, this, &FoodMenuPrintWindow::printAll);
    connect(printSelected_, &QPushButton::clicked, this, &FoodMenuPrintWindow::printSelected);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(printAll_);
    layout->addWidget(printSelected_);
    layout->addWidget(makeExitButton());
    fixSizeAndCentre();
}

void FoodMenuPrintWindow::printAll() {
    print(printAllMenusStatement());
}

void FoodMenuPrintWindow::printSelected() {
    print(printMenuStatement(menuName_));
}

void FoodMenuPrintWindow::print(const QString& statement) {
    db::Connection connection(context_.connectionString);  // closed however the print ends
    connection.open();
    printRows(connection, context_.programDirectory, foodMenuReportFile(), foodMenuDataConnection(),
              statement);
}

}  // namespace programme
