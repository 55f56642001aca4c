#include "app/change_password_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/access_password.h"
#include "app/shell_password_fields.h"
#include "ui/modal.h"

namespace app {

ChangePasswordWindow::ChangePasswordWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), connection_(context.connectionString) {
    setWindowTitle(QStringLiteral("Αλλαγή του κωδικού πρόσβασης"));
    connection_.open();
    storedPassword_ = app::readStoredPassword(connection_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        app::makeCaseWarning(QStringLiteral("Προσοχή έχουν σημασία Πεζά / Κεφαλαία"), this), 0,
        Qt::AlignCenter);
    auto* grid = new QGridLayout;
    oldField_ =
        app::addPasswordRow(grid, 0, QStringLiteral("Προηγούμενος κωδικός πρόσβασης:"), this);
    newField_ = app::addPasswordRow(grid, 1, QStringLiteral("Νέος κωδικός πρόσβασης:"), this);
    confirmationField_ =
        app::addPasswordRow(grid, 2, QStringLiteral("Επιβεβαίωση νέου κωδικού πρόσβασης:"), this);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    changeButton_ = new QPushButton(QStringLiteral("Αλ&λαγή"), this);
    changeButton_->setEnabled(false);
    setMainAction(changeButton_);
    buttons->addStretch();
    buttons->addWidget(changeButton_);
    buttons->addWidget(makeExitButton());
    layout->addLayout(buttons);

    for (QLineEdit* field : {oldField_, newField_, confirmationField_}) {
        connect(field, &QLineEdit::textChanged, this, &ChangePasswordWindow::updateChangeButton);
    }
    connect(changeButton_, &QPushButton::clicked, this, &ChangePasswordWindow::change);
    fixSizeAndCentre(QSize(405, 219).expandedTo(minimumSizeHint()));
}

void ChangePasswordWindow::updateChangeButton() {
    changeButton_->setEnabled(app::canChangePassword(oldField_->text(), newField_->text(),
                                                     confirmationField_->text(), storedPassword_));
}

void ChangePasswordWindow::change() {
    app::storePassword(connection_, newField_->text().trimmed());
    ui::inform(this, QStringLiteral("Η αλλαγή του κωδικού πρόσβασης έγινε με επιτυχία."));
    accept();
}

}  // namespace app
