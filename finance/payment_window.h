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

    QComboBox* monthList() const { return ComboBox1; }
    QComboBox* yearList() const { return ComboBox2; }
    QLineEdit* amountField() const { return Edit1; }
    QLineEdit* recipientField() const { return Edit2; }
    QPushButton* payButton() const { return Button1; }
    QString receiptNumberText() const;
    QString vatRateText() const;

private:
    void buildLayout();
    void readSettings();
    void EditChange();
    void Button1Click();
    void reportFailedPayment();
    void clearEntry();

    QString childNumber_;
    QString firstName_;
    QString surname_;
    QLabel* receiptNumber_ = nullptr;
    QLabel* vatRate_ = nullptr;
    QComboBox* ComboBox1 = nullptr;  // month
    QComboBox* ComboBox2 = nullptr;  // year
    QLineEdit* Edit1 = nullptr;      // amount
    QLineEdit* Edit2 = nullptr;      // recipient
    QPushButton* Button1 = nullptr;  // "Κατα&χώρηση"
    QPushButton* exit_ = nullptr;
};

}  // namespace finance
