#include "finance/receipt_print_window.h"

#include "app/program_context.h"
#include "db/connection.h"
#include "finance/report_tuition_receipt.h"

// Connects only while it prints, so the program's start pays for no connection it may never use.
TForm72::TForm72(QWidget* parent) : ui::Window(parent) {
    finance::installTuitionReceiptPrinter(this);
}

TForm72::~TForm72() { finance::removeTuitionReceiptPrinter(this); }

void TForm72::printReceipt(int receiptNumber) {
    db::Connection connection(app::context().connectionString);  // closed however the print ends
    connection.open();
    finance::printTuitionReceipt(connection, app::context().programDirectory, receiptNumber);
}
