#include "app/set_password_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/access_password.h"
#include "app/shell_password_fields.h"
#include "ui/modal.h"

namespace app {

SetPasswordWindow::SetPasswordWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), connection_(context.connectionString) {
    setWindowTitle(QStringLiteral("Καθορισμός του κωδικού πρόσβασης"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connection_.open();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        app::makeCaseWarning(QStringLiteral("Προσοχή έχουν σημασία Πεζά / Κεφαλαία"), this), 0,
        Qt::AlignCenter);
    auto* grid = new QGridLayout;
    newField_ = app::addPasswordRow(grid, 0, QStringLiteral("Κωδικός πρόσβασης:"), this);
    confirmationField_ =
        app::addPasswordRow(grid, 1, QStringLiteral("Επιβεβαίωση κωδικού πρόσβασης:"), this);
    layout->addLayout(grid);
    storeButton_ = new QPushButton(QStringLiteral("Καταχώρηση"), this);
    storeButton_->setEnabled(false);
    setMainAction(storeButton_);
    layout->addWidget(storeButton_, 0, Qt::AlignRight);

    connect(newField_, &QLineEdit::textChanged, this, &SetPasswordWindow::updateStoreButton);
    connect(confirmationField_, &QLineEdit::textChanged, this,
            &SetPasswordWindow::updateStoreButton);
    connect(storeButton_, &QPushButton::clicked, this, &SetPasswordWindow::store);
    fixSizeAndCentre(QSize(370, 157).expandedTo(minimumSizeHint()));
}

void SetPasswordWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    ui::Window::keyPressEvent(event);
}

void SetPasswordWindow::updateStoreButton() {
    storeButton_->setEnabled(app::canSetPassword(newField_->text(), confirmationField_->text()));
}

void SetPasswordWindow::store() {
    app::storePassword(connection_, newField_->text().trimmed());
    ui::inform(this, QStringLiteral("Ο καθορισμός του κωδικού πρόσβασης έγινε με επιτυχία."));
    accept();
}

}  // namespace app
