#pragma once

#include "db/connection.h"
#include "ui/window.h"

class QLineEdit;
class QPushButton;

// The access check, asked at every start: the window closes only with the stored password or
// by leaving, which ends the program. It writes the program's access-granted flag.
class TForm65 : public ui::Window {
    Q_OBJECT
public:
    explicit TForm65(QWidget* parent = nullptr);

    void reject() override;

private:
    void Edit1Change();
    void Button1Click();

    db::Connection connection_;
    QString storedPassword_;
    QLineEdit* passwordField_;
    QPushButton* enterButton_;
};
