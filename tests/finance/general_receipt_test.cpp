#include "finance/general_receipt.h"

#include "finance/general_receipts.h"
#include "finance/receipt_issue.h"
#include "finance/tuition_ledger.h"
#include "finance_fixture.h"

namespace {

using financetest::FinanceDatabase;

class RecordingGeneralPrinter : public finance::GeneralReceiptPrinter {
public:
    void printGeneralReceipt(int receiptNumber) override {
        if (fail) {
            throw db::Error(QStringLiteral("Δεν βρέθηκε το αρχείο APODEIKSEIS_GEN_VAT.RAV"));
        }
        printed.append(receiptNumber);
    }
    QList<int> printed;
    bool fail = false;
};

class GeneralReceiptTest : public FinanceDatabase {
protected:
    void SetUp() override {
        FinanceDatabase::SetUp();
        setCounter(120);
    }

    finance::PaymentOutcome issue(const QString& amount,
                                  const QString& surname = QStringLiteral("Αλεξίου")) {
        return finance::issueGeneralReceipt(
            connection_,
            {QStringLiteral("Νίκος"), surname, QStringLiteral("Γιώργος Αλεξίου"),
             QStringLiteral("Εκδρομή στο Τρόοδος"), amount, QStringLiteral("15"),
             QString::number(counter())},
            printer_);
    }
    QVariant receipt(const QString& column) {
        return scalar(
            QStringLiteral("SELECT %1 FROM APODEIKSEIS_GEN WHERE AR_APODEIKSHS='120'").arg(column));
    }

    RecordingGeneralPrinter printer_;
};

// 50 at 15 % with the counter at 120: the receipt carries every amount of a tuition payment,
// the counter moves to 121 and the next tuition receipt takes 121.
TEST_F(GeneralReceiptTest, IssuesUnderTheSharedCounterWithThePaymentsArithmetic) {
    ASSERT_EQ(issue(QStringLiteral("50")), finance::PaymentOutcome::Recorded);

    EXPECT_EQ(receipt(QStringLiteral("POSO")).toDouble(), 50);
    EXPECT_EQ(receipt(QStringLiteral("VAT")).toDouble(), 7.5);
    EXPECT_EQ(receipt(QStringLiteral("POSO_KAI_VAT")).toDouble(), 57.5);
    EXPECT_EQ(receipt(QStringLiteral("POSOCY")).toDouble(), 29.26);
    EXPECT_EQ(receipt(QStringLiteral("VATCY")).toDouble(), 4.39);
    EXPECT_EQ(receipt(QStringLiteral("POSO_KAI_VAT_CY")).toDouble(), 33.65);
    EXPECT_EQ(receipt(QStringLiteral("EGKYRO")).toInt(), 1);
    EXPECT_EQ(receipt(QStringLiteral("HMEROMHNIA")).toString(), QStringLiteral("2008-03-15"));
    EXPECT_EQ(receipt(QStringLiteral("PERIGRAFH")).toString(),
              QStringLiteral("Εκδρομή στο Τρόοδος"));
    EXPECT_EQ(counter(), 121);
    EXPECT_EQ(printer_.printed, QList<int>{120});

    financetest::RecordingPrinter tuitionPrinter;
    finance::payTuition(
        connection_,
        {QStringLiteral("7"), QStringLiteral("Ελένη"), QStringLiteral("Π"), QStringLiteral("03"),
         QStringLiteral("2008"), QStringLiteral("100"), QStringLiteral("Μαρία"),
         QStringLiteral("15"), finance::nextReceiptNumberText(connection_)},
        tuitionPrinter);
    EXPECT_EQ(tuitionPrinter.printed, QList<int>{121});
    EXPECT_EQ(counter(), 122);
}

// Nothing is written by a refused amount, by a refused statement, by a counter update the
// engine refuses (the receipt goes with it) or when the counter moved on; a name with a quote
// arrives whole.
TEST_F(GeneralReceiptTest, WritesAllOrNothing) {
    EXPECT_EQ(issue(QStringLiteral("0")), finance::PaymentOutcome::AmountRefused);
    EXPECT_EQ(issue(QStringLiteral("-5")), finance::PaymentOutcome::AmountRefused);
    EXPECT_THROW(issue(QStringLiteral("πενήντα")), db::Error);

    refuse(QStringLiteral("UPDATE"), QStringLiteral("APODEIKSH_LAST"));
    EXPECT_THROW(issue(QStringLiteral("50")), db::Error);
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_GEN")), 0);
    EXPECT_EQ(counter(), 120);
    connection_.executeNative(QStringLiteral("DROP TRIGGER refuse_UPDATE"));

    EXPECT_THROW(
        finance::issueGeneralReceipt(
            connection_,
            {QStringLiteral("Νίκος"), QStringLiteral("Α"), QStringLiteral("Γ"), QStringLiteral("Δ"),
             QStringLiteral("50"), QStringLiteral("15"), QStringLiteral("119")},
            printer_),
        finance::ReceiptNumberMoved);
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_GEN")), 0);
    EXPECT_TRUE(printer_.printed.isEmpty());

    EXPECT_EQ(issue(QStringLiteral("50"), QStringLiteral("O'Brien")),
              finance::PaymentOutcome::Recorded);
    EXPECT_EQ(receipt(QStringLiteral("EPWNYMO_PAIDIOY")).toString(), QStringLiteral("O'Brien"));
}

// A print that fails after the receipt is recorded reports the recorded number.
TEST_F(GeneralReceiptTest, AFailedPrintReportsTheRecordedNumber) {
    printer_.fail = true;
    try {
        issue(QStringLiteral("50"));
        FAIL() << "the failed print was not reported";
    } catch (const finance::ReceiptNotPrinted& failure) {
        EXPECT_EQ(failure.receiptNumber(), 120);
        EXPECT_TRUE(finance::receiptNotPrintedMessage(failure).contains(QStringLiteral("120")));
    }
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_GEN")), 1);
    EXPECT_EQ(counter(), 121);
}

// Cancelling keeps the receipt, marked invalid; the list's rule and the layout by the rate.
TEST_F(GeneralReceiptTest, CancelKeepsTheReceiptAndTheRulesFollowIt) {
    issue(QStringLiteral("50"));
    finance::cancelGeneralReceipt(connection_, 120);
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_GEN")), 1);
    EXPECT_EQ(receipt(QStringLiteral("EGKYRO")).toInt(), 0);

    EXPECT_FALSE(finance::generalReceiptAllowsActions(QStringLiteral(" false ")));
    EXPECT_TRUE(finance::generalReceiptAllowsActions(QStringLiteral("True")));
    EXPECT_EQ(finance::generalReceiptFile(15), QStringLiteral("APODEIKSEIS_GEN_VAT.RAV"));
    EXPECT_EQ(finance::generalReceiptFile(0), QStringLiteral("APODEIKSEIS_GEN.RAV"));
}

}  // namespace
