#include "finance/receipt_print_window.h"

#include "app/program_context.h"
#include "finance/report_tuition_receipt.h"

namespace {

// Closes the connection however the print ends.
class ClosesAfterwards {
public:
    explicit ClosesAfterwards(db::Connection& connection) : connection_(connection) {}
    ~ClosesAfterwards() { connection_.close(); }
    ClosesAfterwards(const ClosesAfterwards&) = delete;
    ClosesAfterwards& operator=(const ClosesAfterwards&) = delete;

private:
    db::Connection& connection_;
};

}  // namespace

TForm72::TForm72(QWidget* parent) : ui::Window(parent) {
    connection_.setConnectionString(app::context().connectionString);
    connection_.open();
    finance::installTuitionReceiptPrinter(this);
}

TForm72::~TForm72() { finance::removeTuitionReceiptPrinter(this); }

void TForm72::printReceipt(int receiptNumber) {
    connection_.close();
    connection_.setConnectionString(app::context().connectionString);
    const ClosesAfterwards closing(connection_);
    connection_.open();
    finance::printTuitionReceipt(connection_, app::context().programDirectory, receiptNumber);
}
