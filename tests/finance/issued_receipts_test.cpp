#include "finance/issued_receipts.h"

#include "finance/payment.h"
#include "finance_fixture.h"

namespace {

using financetest::FinanceDatabase;
using financetest::RecordingPrinter;

class IssuedReceiptsTest : public FinanceDatabase {
protected:
    void SetUp() override {
        FinanceDatabase::SetUp();
        setCounter(41);
    }

    // Pays a month at the current rate with the receipt number the counter holds.
    void pay(int child, const QString& month, const QString& amount, double rate) {
        const finance::PaymentRequest request{QString::number(child),
                                              QStringLiteral("Νίκος"),
                                              QStringLiteral("Αλεξίου"),
                                              month,
                                              QStringLiteral("2008"),
                                              amount,
                                              QStringLiteral("Γιώργος Αλεξίου"),
                                              QString::number(rate),
                                              QString::number(counter())};
        finance::payTuition(connection_, request, printer_);
    }

    // The list's rows, in the order a sort left them.
    QStringList receiptNumbers(db::Query& list) {
        QStringList numbers;
        for (int row = 0; row < list.rowCount(); ++row) {
            numbers.append(
                list.textAt(row, list.columnIndex(QStringLiteral("ARITHMOS_APODEIKSHS"))));
        }
        return numbers;
    }

    // The buttons the list allows for the receipt with that number, at the given rate.
    finance::ReceiptActions actionsFor(int receipt, double rate) {
        db::Query list(connection_, finance::issuedReceiptsStatement());
        list.open();
        for (list.first(); list.position() >= 0; list.next()) {
            if (list.text(QStringLiteral("ARITHMOS_APODEIKSHS")) == QString::number(receipt)) {
                return finance::receiptActions(list.value(QStringLiteral("EGKYRO")).toInt(),
                                               list.text(QStringLiteral("POSOCY")),
                                               list.text(QStringLiteral("VAT")), rate);
            }
            if (list.atLast()) {
                break;
            }
        }
        ADD_FAILURE() << "receipt " << receipt << " not listed";
        return {};
    }

    RecordingPrinter printer_;
};

// A reprint shows the rate in force now, so it is allowed only while the receipt's VAT still
// follows from that rate by the list's own re-derivation.
TEST_F(IssuedReceiptsTest, AllowsAReprintOnlyWhileTheVatFollowsFromTheCurrentRate) {
    pay(1, QStringLiteral("03"), QStringLiteral("100.00"), 15);  // 41: VAT 15.00, pounds 58.53
    pay(2, QStringLiteral("03"), QStringLiteral("7.50"), 15);    // 42: VAT 1.12, pounds 4.39

    const finance::ReceiptActions hundred = actionsFor(41, 15);
    EXPECT_TRUE(hundred.cancel);
    EXPECT_TRUE(hundred.reprint);

    const finance::ReceiptActions sevenFifty = actionsFor(42, 15);  // 4.39 x 1.7086 x 15 % = 1.13
    EXPECT_TRUE(sevenFifty.cancel);
    EXPECT_FALSE(sevenFifty.reprint);

    const finance::ReceiptActions afterRateChange = actionsFor(41, 18);
    EXPECT_TRUE(afterRateChange.cancel);
    EXPECT_FALSE(afterRateChange.reprint);

    finance::cancelReceipt(connection_, 41);
    const finance::ReceiptActions cancelled = actionsFor(41, 15);
    EXPECT_FALSE(cancelled.cancel);
    EXPECT_FALSE(cancelled.reprint);
}

TEST(ReceiptActions, CompareTheVatAsNumbers) {
    EXPECT_TRUE(
        finance::receiptActions(1, QStringLiteral("58.53"), QStringLiteral("15"), 15).reprint);
    EXPECT_TRUE(
        finance::receiptActions(1, QStringLiteral("8.78"), QStringLiteral("1.5"), 10).reprint);
    EXPECT_TRUE(
        finance::receiptActions(1, QStringLiteral("70.23"), QStringLiteral("0.00"), 0).reprint);
    EXPECT_THROW(finance::receiptActions(1, QStringLiteral("58.53"), QString(), 15), db::Error);
}

TEST_F(IssuedReceiptsTest, CancellingAReceiptWhoseMonthWasPaidAgainKeepsTheNewerPayment) {
    pay(1, QStringLiteral("03"), QStringLiteral("100"), 15);  // receipt 41
    setCounter(57);
    pay(1, QStringLiteral("03"), QStringLiteral("100"), 15);  // receipt 57 for the same month

    finance::cancelReceipt(connection_, 41);

    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=1")), 1);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT ARITHMOS_APODEIKSHS FROM APODEIKSEIS_DIDAKTRWN")).toString(),
        QStringLiteral("57"));
    EXPECT_EQ(scalar(QStringLiteral(
                         "SELECT EGKYRO FROM APODEIKSEIS_HISTORY WHERE ARITHMOS_APODEIKSHS='41'"))
                  .toInt(),
              0);
    EXPECT_EQ(scalar(QStringLiteral(
                         "SELECT EGKYRO FROM APODEIKSEIS_HISTORY WHERE ARITHMOS_APODEIKSHS='57'"))
                  .toInt(),
              1);

    finance::cancelReceipt(connection_, 57);  // the month is now neither paid nor owed
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_DIDAKTRWN")), 0);
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_HISTORY")), 2);
}

TEST_F(IssuedReceiptsTest, ACancellationTheArchiveRefusesLeavesTheLedgerAlone) {
    pay(1, QStringLiteral("03"), QStringLiteral("100"), 15);
    refuse(QStringLiteral("UPDATE"), QStringLiteral("APODEIKSEIS_HISTORY"));

    EXPECT_THROW(finance::cancelReceipt(connection_, 41), db::Error);

    EXPECT_EQ(
        scalar(QStringLiteral("SELECT ARITHMOS_APODEIKSHS FROM APODEIKSEIS_DIDAKTRWN")).toString(),
        QStringLiteral("41"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT EGKYRO FROM APODEIKSEIS_HISTORY")).toInt(), 1);
}

TEST_F(IssuedReceiptsTest, SortsTheRowsAlreadyReadWithReceiptNumbersAsText) {
    setCounter(9);
    db::Clock::set(QDateTime(QDate(2008, 3, 10), QTime(9, 0)));
    pay(1, QStringLiteral("03"), QStringLiteral("100"), 15);  // receipt 9 on 10/03
    db::Clock::set(QDateTime(QDate(2008, 3, 20), QTime(9, 0)));
    pay(2, QStringLiteral("03"), QStringLiteral("100"), 15);  // receipt 10 on 20/03
    finance::cancelReceipt(connection_, 10);

    db::Query list(connection_, finance::issuedReceiptsStatement());
    list.open();
    const QStringList nineFirst{QStringLiteral("9"), QStringLiteral("10")};
    const QStringList tenFirst{QStringLiteral("10"), QStringLiteral("9")};
    EXPECT_EQ(receiptNumbers(list), nineFirst);
    EXPECT_EQ(list.text(QStringLiteral("POSO")), QStringLiteral("100.00"));

    list.sortRows(finance::receiptOrderBy(finance::ReceiptOrder::ByReceiptNumber));
    EXPECT_EQ(receiptNumbers(list), tenFirst);
    list.sortRows(finance::receiptOrderBy(finance::ReceiptOrder::ByDate));
    EXPECT_EQ(receiptNumbers(list), nineFirst);

    // The sort works on what was read: a change made since is not seen.
    run(QStringLiteral("UPDATE APODEIKSEIS_HISTORY SET EGKYRO=1"));
    list.sortRows(finance::receiptOrderBy(finance::ReceiptOrder::ByValidity));
    EXPECT_EQ(receiptNumbers(list), tenFirst);
    EXPECT_EQ(list.text(QStringLiteral("EGKYRO")), QStringLiteral("0"));
}

}  // namespace
