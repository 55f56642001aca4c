#pragma once

#include "ui/data_window.h"

class QPushButton;
class QTableView;

namespace ui {
class CountLabel;
}

namespace finance {

// Every general receipt issued, newest number first; cancels a valid receipt and reprints one.
// The buttons follow the current row however it became current (grid, keys, navigator,
// refresh), so a cancelled receipt never offers either.
class GeneralReceiptsWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit GeneralReceiptsWindow(const common::ProgramContext& context,
                                   QWidget* parent = nullptr);

    ui::BoundTable* receipts() const { return list_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* reprintButton() const { return reprintButton_; }
    ui::CountLabel* countLabel() const { return count_; }

protected:
    void formShow() override;

private:
    void buildLayout();
    void refresh();
    void applyButtonRule();
    int currentReceiptNumber() const;
    void cancelReceipt();
    void reprintReceipt();

    ui::BoundTable* list_ = nullptr;
    ui::CountLabel* count_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* reprintButton_ = nullptr;
};

}  // namespace finance
