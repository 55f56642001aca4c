#include "programme/food_menu_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "common/forbidden_characters.h"
#include "programme/food_menu.h"
#include "programme/food_menu_print_window.h"
#include "ui/labels.h"
#include "ui/long_lived_windows.h"
#include "ui/modal.h"

namespace programme {

namespace {

constexpr int kCellWidth = 128;
constexpr int kCellHeight = 84;

QLabel* heading(const QString& text, QWidget* parent) {
    QLabel* label = ui::boldLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
    return label;
}

}  // namespace

FoodMenuWindow::FoodMenuWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      menus_(bindTable(foodMenuTable())),
      name_(new QLineEdit(this)),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::all(), this)),
      printButton_(new QPushButton(QStringLiteral("Εκτύπωση"), this)) {
    setWindowTitle(QStringLiteral("Εβδομαδιαίος κατάλογος προσφερομένων φαγητών"));
    // The name is not bound: what is typed is checked before it reaches the row.
    connect(name_, &QLineEdit::textEdited, this, &FoodMenuWindow::nameEdited);
    connect(menus_, &ui::BoundTable::changed, this, &FoodMenuWindow::showName);
    menus_->setCaption(foodMenuNameColumn(), QStringLiteral("Ονομασία καταλόγου"));
    QWidget* week = makeWeekTable();
    menus_->attachGrid(grid_, {{foodMenuNameColumn(), QStringLiteral("Κατάλογος"), 380}});
    menus_->attachNavigator(navigator_);
    grid_->setFocusPolicy(Qt::ClickFocus);  // the keyboard order passes the grid by
    grid_->setFixedSize(420, 150);
    printButton_->setAutoDefault(false);
    connect(printButton_, &QPushButton::clicked, this, &FoodMenuWindow::showPrintWindow);
    QPushButton* exitButton = makeExitButton();

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Ονομασία καταλόγου:"), this));
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(ui::requiredMark(this));
    auto* actions = new QVBoxLayout;
    actions->addWidget(navigator_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(exitButton);
    actions->addLayout(buttons);
    actions->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(grid_);
    bottom->addStretch();
    bottom->addLayout(actions);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(week);
    layout->addLayout(bottom);

    QWidget* previous = name_;
    for (QWidget* next : QList<QWidget*>{meals_.begin(), meals_.end()} +
                             QList<QWidget*>{navigator_, printButton_, exitButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
    showName();
    fixSizeAndCentre();
}

QWidget* FoodMenuWindow::makeWeekTable() {
    auto* week = new QFrame(this);
    week->setFrameShape(QFrame::Box);
    auto* layout = new QGridLayout(week);
    layout->setSpacing(1);
    for (int day = 0; day < kSchoolDays; ++day) {
        layout->addWidget(heading(dayHeading(day), week), 0, day + 1);
    }
    for (int meal = 0; meal < kMeals; ++meal) {
        layout->addWidget(heading(mealHeading(meal), week), meal + 1, 0);
        for (int day = 0; day < kSchoolDays; ++day) {
            auto* cell = new QPlainTextEdit(week);
            cell->setFixedSize(kCellWidth, kCellHeight);
            cell->setTabChangesFocus(true);
            menus_->bind(cell, mealColumn(day, meal));
            menus_->setCaption(mealColumn(day, meal), dayHeading(day) + u' ' + mealHeading(meal));
            layout->addWidget(cell, meal + 1, day + 1);
            meals_.append(cell);
        }
    }
    return week;
}

QPlainTextEdit* FoodMenuWindow::mealField(int day, int meal) const {
    return meals_.at(meal * kSchoolDays + day);
}

void FoodMenuWindow::formShow() {
    menus_->sortBy(foodMenuSort());
}

// A refused character is taken out again where it was typed; the row keeps the name it had, and
// every meal typed so far stays.
void FoodMenuWindow::nameEdited(const QString& text) {
    if (!isAcceptableMenuName(text)) {
        const int inserted = std::max(0, static_cast<int>(text.size() - storedName().size()));
        const int cursor = std::max(0, name_->cursorPosition() - inserted);
        showName();
        name_->setCursorPosition(cursor);
        ui::warn(this, common::forbiddenCharactersMessage());
        return;
    }
    menus_->setText(menus_->rows().findColumn(foodMenuNameColumn()), text);
}

QString FoodMenuWindow::storedName() const {
    const db::RowSet& rows = menus_->rows();
    return rows.position() < 0 ? QString() : rows.text(foodMenuNameColumn());
}

void FoodMenuWindow::showName() {
    const QString stored = storedName();
    if (name_->text() != stored) {
        name_->setText(stored);
    }
}

void FoodMenuWindow::showPrintWindow() {
    auto* print = ui::longLivedWindow<FoodMenuPrintWindow>();
    if (!print) {
        throw std::logic_error(
            "A food menu was printed before the program created its print "
            "window");
    }
    print->setMenuName(name_->text().trimmed());
    ui::showModal(print);
}

}  // namespace programme
