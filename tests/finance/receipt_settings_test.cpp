#include "finance/receipt_settings.h"

#include "finance/payment.h"
#include "finance/tuition_ledger.h"
#include "finance_fixture.h"

namespace {

using financetest::FinanceDatabase;
using financetest::RecordingPrinter;

TEST(ReceiptNumberingStart, AcceptsOnlyAWholeNumberAboveZero) {
    EXPECT_EQ(finance::receiptNumberingStart(QStringLiteral("1")), 1);
    EXPECT_EQ(finance::receiptNumberingStart(QStringLiteral(" 250 ")), 250);
    for (const QString& refused : {QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("ένα"),
                                   QStringLiteral("1.5"), QString()}) {
        EXPECT_FALSE(finance::receiptNumberingStart(refused).has_value()) << refused.toStdString();
    }
}

using ReceiptNumberingTest = FinanceDatabase;

TEST_F(ReceiptNumberingTest, TheFirstReceiptCarriesTheNumberSet) {
    EXPECT_FALSE(finance::receiptNumberingIsSet(connection_));
    finance::storeReceiptNumbering(connection_, 1);
    EXPECT_TRUE(finance::receiptNumberingIsSet(connection_));
    EXPECT_EQ(counter(), 1);

    RecordingPrinter printer;
    const finance::PaymentRequest request{QStringLiteral("3"),
                                          QStringLiteral("Άννα"),
                                          QStringLiteral("Ιωάννου"),
                                          QStringLiteral("03"),
                                          QStringLiteral("2008"),
                                          QStringLiteral("100"),
                                          QStringLiteral("Πέτρος Ιωάννου"),
                                          QStringLiteral("15"),
                                          QString::number(counter())};
    finance::payTuition(connection_, request, printer);
    EXPECT_EQ(printer.printed, QList<int>{1});
    EXPECT_EQ(counter(), 2);
}

}  // namespace
