#pragma once

#include "common/program_context.h"
#include "db/connection.h"
#include "ui/window.h"

class QLineEdit;
class QPushButton;

namespace app {

// Changes the stored password; the change takes effect at the next start. The button is
// enabled only once the old password matches and the two new entries agree.
class ChangePasswordWindow : public ui::Window {
    Q_OBJECT
public:
    explicit ChangePasswordWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

private:
    void updateChangeButton();
    void change();

    db::Connection connection_;
    QString storedPassword_;  // read once, when the window is created
    QLineEdit* oldField_;
    QLineEdit* newField_;
    QLineEdit* confirmationField_;
    QPushButton* changeButton_;
};

}  // namespace app
