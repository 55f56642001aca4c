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

    QLineEdit* numberField() const { return numberField_; }
    QPushButton* storeButton() const { return storeButton_; }

private:
    void storeFirstNumber();

    QLineEdit* numberField_ = nullptr;
    QPushButton* storeButton_ = nullptr;
    bool stored_ = false;
};

}  // namespace finance
