#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;

namespace finance {

// Sets the number of the first receipt, once: the receipt counter is created here. After the
// window has closed the main window checks the counter again (the window's finished() signal
// or the return of its modal showing), so that receipts can be issued without a restart.
class ReceiptNumberingWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit ReceiptNumberingWindow(const common::ProgramContext& context,
                                    QWidget* parent = nullptr);

    // True once a first number was stored.
    bool stored() const { return stored_; }

    QLineEdit* numberField() const { return Edit1; }
    QPushButton* storeButton() const { return Button1; }

private:
    void Button1Click();

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Κ&αταχώρηση"
    bool stored_ = false;
};

}  // namespace finance
