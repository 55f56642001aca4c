#include "app/access_check_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/access_password.h"
#include "app/shell_password_fields.h"
#include "ui/modal.h"

namespace app {

AccessCheckWindow::AccessCheckWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), connection_(context.connectionString) {
    setWindowTitle(QStringLiteral("Έλεγχος πρόσβασης"));
    // No title-bar buttons: the window is left only through its own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    connection_.open();
    storedPassword_ = app::readStoredPassword(connection_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        app::makeCaseWarning(QStringLiteral("Προσοχή έχoυν σημασία Πεζά / Κεφαλαία"), this), 0,
        Qt::AlignCenter);
    auto* grid = new QGridLayout;
    passwordField_ = app::addPasswordRow(grid, 0, QStringLiteral("Κωδικός πρόσβασης:"), this);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    enterButton_ = new QPushButton(QStringLiteral("Εί&σοδος"), this);
    enterButton_->setEnabled(false);
    setMainAction(enterButton_);
    buttons->addStretch();
    buttons->addWidget(enterButton_);
    buttons->addWidget(makeExitButton());
    layout->addLayout(buttons);

    connect(passwordField_, &QLineEdit::textChanged, this, &AccessCheckWindow::updateEnterButton);
    connect(enterButton_, &QPushButton::clicked, this, &AccessCheckWindow::enter);
    fixSizeAndCentre(QSize(303, 159).expandedTo(minimumSizeHint()));
}

void AccessCheckWindow::updateEnterButton() {
    enterButton_->setEnabled(app::canEnter(passwordField_->text()));
}

void AccessCheckWindow::enter() {
    accessGranted_ = false;
    if (passwordField_->text().trimmed() != storedPassword_) {
        ui::warn(this, QStringLiteral("Λανθασμένος κωδικός πρόσβασης."));
        passwordField_->clear();
        passwordField_->setFocus();
        return;
    }
    accessGranted_ = true;
    connection_.close();
    accept();
}

void AccessCheckWindow::reject() {
    accessGranted_ = false;
    ui::Window::reject();
}

}  // namespace app
