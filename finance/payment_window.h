#pragma once

#include "ui/data_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace finance {

// Tuition payment of one child: the month and year paid, the net amount and the recipient;
// the receipt number and VAT rate are read once when the window opens. A recorded payment is
// printed and closes the window; a refused amount or a failure keeps it open with the amount
// and recipient cleared. When the receipt numbering moved on meanwhile, or the database stayed
// busy with another program, nothing is written, the staff are told, and the entry stays (under
// the new number) for another try.
class PaymentWindow : public ui::DataWindow {
    Q_OBJECT
public:
    // The child as the children list hands it: registry number, first name, surname (trimmed).
    PaymentWindow(const common::ProgramContext& context, const QString& childNumber,
                  const QString& firstName, const QString& surname, QWidget* parent = nullptr);

    QComboBox* monthList() const { return monthList_; }
    QComboBox* yearList() const { return yearList_; }
    QLineEdit* amountField() const { return amountField_; }
    QLineEdit* recipientField() const { return recipientField_; }
    QPushButton* payButton() const { return payButton_; }
    QString receiptNumberText() const;
    QString vatRateText() const;

private:
    void buildLayout();
    void readSettings();
    void updatePayButton();
    void pay();
    void reportFailedPayment();
    void clearEntry();

    QString childNumber_;
    QString firstName_;
    QString surname_;
    QLabel* receiptNumber_ = nullptr;
    QLabel* vatRate_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QComboBox* yearList_ = nullptr;
    QLineEdit* amountField_ = nullptr;
    QLineEdit* recipientField_ = nullptr;
    QPushButton* payButton_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace finance
