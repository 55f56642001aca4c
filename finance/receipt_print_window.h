#pragma once

#include "common/program_context.h"
#include "finance/tuition_receipt.h"
#include "ui/window.h"

namespace finance {

// The tuition receipt print. Created once at program start and never shown; the payment, the
// issued-receipts list and the receipt header preview print through it. While it exists it is
// the program's installed receipt print.
class ReceiptPrintWindow : public ui::Window, public finance::TuitionReceiptPrinter {
    Q_OBJECT
public:
    explicit ReceiptPrintWindow(const common::ProgramContext& context, QWidget* parent = nullptr);
    ~ReceiptPrintWindow() override;

    // Prints the archived receipt with that number on a fresh connection of its own, closed
    // again afterwards; failures reach the caller.
    void printReceipt(int receiptNumber) override;

private:
    const common::ProgramContext& context_;
};

}  // namespace finance
