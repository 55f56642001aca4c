#include "finance/receipt_print_window.h"

#include "db/connection.h"
#include "finance/report_tuition_receipt.h"

namespace finance {

// Connects only while it prints, so the program's start pays for no connection it may never use.
ReceiptPrintWindow::ReceiptPrintWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), context_(context) {
    finance::installTuitionReceiptPrinter(this);
}

ReceiptPrintWindow::~ReceiptPrintWindow() {
    finance::removeTuitionReceiptPrinter(this);
}

void ReceiptPrintWindow::printReceipt(int receiptNumber) {
    db::Connection connection(context_.connectionString);  // closed however the print ends
    connection.open();
    finance::printTuitionReceipt(connection, context_.programDirectory, receiptNumber);
}

}  // namespace finance
