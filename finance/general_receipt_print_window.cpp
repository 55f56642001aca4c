#include "finance/general_receipt_print_window.h"

#include "db/connection.h"
#include "finance/report_general_receipt.h"

namespace finance {

// Connects only while it prints, so the program's start pays for no connection it may never use.
GeneralReceiptPrintWindow::GeneralReceiptPrintWindow(const common::ProgramContext& context,
                                                     QWidget* parent)
    : ui::Window(parent), context_(context) {
    installGeneralReceiptPrinter(this);
}

GeneralReceiptPrintWindow::~GeneralReceiptPrintWindow() {
    removeGeneralReceiptPrinter(this);
}

void GeneralReceiptPrintWindow::printGeneralReceipt(int receiptNumber) {
    db::Connection connection(context_.connectionString);  // closed however the print ends
    connection.open();
    finance::printGeneralReceipt(connection, context_.programDirectory, receiptNumber);
}

}  // namespace finance
