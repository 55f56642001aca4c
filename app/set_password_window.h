#pragma once

#include "common/program_context.h"
#include "db/connection.h"
#include "ui/window.h"

class QLineEdit;
class QPushButton;

namespace app {

// Asks for a password of the user's own while the delivered one is still stored. It can only
// be left by storing a password: it has no cancel button and ignores Escape.
class SetPasswordWindow : public ui::Window {
    Q_OBJECT
public:
    explicit SetPasswordWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateStoreButton();
    void store();

    db::Connection connection_;
    QLineEdit* newField_;
    QLineEdit* confirmationField_;
    QPushButton* storeButton_;
};

}  // namespace app
