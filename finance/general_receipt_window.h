#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;

namespace finance {

// Issues a general-purpose receipt: child's names, recipient, description and net amount; the
// VAT rate and receipt number are read, unseen, when the window opens. A recorded receipt is
// printed and closes the window, even when the print fails (the staff are told, and reprint it
// from the list). A refused amount clears the amount alone; any other failure keeps every text.
class GeneralReceiptWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit GeneralReceiptWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    QLineEdit* firstNameField() const { return firstName_; }
    QLineEdit* surnameField() const { return surname_; }
    QLineEdit* recipientField() const { return recipient_; }
    QLineEdit* descriptionField() const { return description_; }
    QLineEdit* amountField() const { return amount_; }
    QPushButton* issueButton() const { return issue_; }
    QString receiptNumberText() const { return receiptNumber_; }

private:
    void buildLayout();
    void updateIssueButton();
    void issue();

    QLineEdit* firstName_ = nullptr;
    QLineEdit* surname_ = nullptr;
    QLineEdit* recipient_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QPushButton* issue_ = nullptr;
    QString vatRate_;
    QString receiptNumber_;
};

}  // namespace finance
