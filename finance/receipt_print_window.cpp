#include "finance/receipt_print_window.h"

#include "db/connection.h"
#include "finance/report_tuition_receipt.h"

// Connects only while it prints, so the program's start pays for no connection it may never use.
TForm72::TForm72(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), context_(context) {
    finance::installTuitionReceiptPrinter(this);
}

TForm72::~TForm72() { finance::removeTuitionReceiptPrinter(this); }

void TForm72::printReceipt(int receiptNumber) {
    db::Connection connection(context_.connectionString);  // closed however the print ends
    connection.open();
    finance::printTuitionReceipt(connection, context_.programDirectory, receiptNumber);
}
