#pragma once

#include "common/program_context.h"
#include "db/connection.h"
#include "ui/window.h"

class QLineEdit;
class QPushButton;

namespace app {

// The access check, asked at every start: the window closes only with the stored password or
// by leaving, which ends the program. accessGranted() is its answer.
class AccessCheckWindow : public ui::Window {
    Q_OBJECT
public:
    explicit AccessCheckWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    // True once the stored password was given; false when the window was left without it.
    bool accessGranted() const { return accessGranted_; }

    void reject() override;

private:
    void updateEnterButton();
    void enter();

    db::Connection connection_;
    QString storedPassword_;
    bool accessGranted_ = false;
    QLineEdit* passwordField_;
    QPushButton* enterButton_;
};

}  // namespace app
