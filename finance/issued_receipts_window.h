#pragma once

#include "finance/issued_receipts.h"
#include "ui/data_window.h"

class QPushButton;
class QRadioButton;
class QTableView;

namespace ui {
class CountLabel;
class Navigator;
}  // namespace ui

namespace finance {

// Every tuition receipt issued, with its validity; cancels a receipt and reprints one whose VAT
// still follows from the current rate.
class IssuedReceiptsWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit IssuedReceiptsWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    ui::BoundTable* receipts() const { return list_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* reprintButton() const { return reprintButton_; }
    QRadioButton* sortOption(finance::ReceiptOrder order) const;
    ui::CountLabel* countLabel() const { return count_; }

protected:
    void formShow() override;

private:
    void buildLayout();
    void sortChosen(finance::ReceiptOrder order, bool checked);
    void showCount();
    void applyButtonRule();
    int currentReceiptNumber() const;
    void cancelReceipt();
    void reprintReceipt();

    ui::BoundTable* list_ = nullptr;
    ui::BoundTable* vatRate_ = nullptr;
    ui::CountLabel* count_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QRadioButton* byDate_ = nullptr;
    QRadioButton* byNumber_ = nullptr;
    QRadioButton* byValidity_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* reprintButton_ = nullptr;
};

}  // namespace finance
