#pragma once

#include "common/program_context.h"
#include "finance/general_receipt.h"
#include "ui/window.h"

namespace finance {

// The general receipt print. Created once at program start and never shown; the issue window
// and the list of general receipts print through it. While it exists it is the program's
// installed general receipt print.
class GeneralReceiptPrintWindow : public ui::Window, public finance::GeneralReceiptPrinter {
    Q_OBJECT
public:
    explicit GeneralReceiptPrintWindow(const common::ProgramContext& context,
                                       QWidget* parent = nullptr);
    ~GeneralReceiptPrintWindow() override;

    // Prints the general receipt with that number on a fresh connection of its own, closed
    // again afterwards; failures reach the caller.
    void printGeneralReceipt(int receiptNumber) override;

private:
    const common::ProgramContext& context_;
};

}  // namespace finance
