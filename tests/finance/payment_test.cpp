#include "finance/payment.h"

#include "finance_fixture.h"
#include "support/program_copy.h"

namespace {

using financetest::FinanceDatabase;
using financetest::RecordingPrinter;

constexpr int kChild = 7;

finance::PaymentRequest request(const QString& amount, const QString& rate,
                                const QString& receiptNumber,
                                const QString& month = QStringLiteral("03")) {
    return {QString::number(kChild),
            QStringLiteral("Ελένη"),
            QStringLiteral("Παπαδάκη"),
            month,
            QStringLiteral("2008"),
            amount,
            QStringLiteral("Μαρία Παπαδάκη"),
            rate,
            receiptNumber};
}

class PaymentTest : public FinanceDatabase {
protected:
    void SetUp() override {
        FinanceDatabase::SetUp();
        setCounter(41);
        addOwedMonth(kChild, 3, 2008);
    }

    QVariant archived(const QString& column, int receipt) {
        return scalar(
            QStringLiteral("SELECT %1 FROM APODEIKSEIS_HISTORY WHERE ARITHMOS_APODEIKSHS='%2'")
                .arg(column)
                .arg(receipt));
    }
    QVariant ledger(const QString& column) {
        return scalar(
            QStringLiteral("SELECT %1 FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=%2 "
                           "AND MHNAS=3 AND ETOS=2008")
                .arg(column)
                .arg(kChild));
    }
    // Nothing of a payment reached the database: the owed row, no receipt, the counter at 41.
    void expectNothingWritten() {
        EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_DIDAKTRWN")), 1);
        EXPECT_EQ(ledger(QStringLiteral("CHECKER")).toString(), QStringLiteral("Χ"));
        EXPECT_FALSE(ledger(QStringLiteral("ARITHMOS_APODEIKSHS")).isValid());
        EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_HISTORY")), 0);
        EXPECT_EQ(counter(), 41);
        EXPECT_TRUE(printer_.printed.isEmpty());
    }

    RecordingPrinter printer_;
};

struct AmountCase {
    const char* amount;
    const char* rate;
    double vat, total, cypAmount, cypVat, cypTotal;
};

// Every amount is rounded to cents from the value as a double holds it (17.50 at 15 % gives
// 2.625 exactly, rounded to even; 58.50 gives 8.775 held slightly above), the pound VAT comes
// from the rounded pound amount, and the pound rate has a 64-bit mantissa (7500.00 lies on a
// half cent and goes up).
TEST_F(PaymentTest, RecordsTheAmountsRoundedToCentsInLedgerAndArchive) {
    const AmountCase cases[] = {
        {"100", "15", 15, 115, 58.53, 8.78, 67.31},
        {"33,333", "15", 5, 38.333, 19.51, 2.93, 22.44},
        {"17.50", "15", 2.62, 20.12, 10.24, 1.54, 11.78},
        {"58,50", "15", 8.78, 67.28, 34.24, 5.14, 39.38},
        {"87.50", "19", 16.62, 104.12, 51.21, 9.73, 60.94},
        {"0.50", "5", 0.03, 0.53, 0.29, 0.01, 0.30},
        {"120", "0", 0, 120, 70.23, 0, 70.23},
        {"7500", "0", 0, 7500, 4389.56, 0, 4389.56},
    };
    int receipt = 41;
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(c.amount);
        const double typed = QString::fromLatin1(c.amount).replace(u',', u'.').toDouble();
        ASSERT_EQ(
            finance::payTuition(connection_,
                                request(QString::fromLatin1(c.amount), QString::fromLatin1(c.rate),
                                        QString::number(receipt)),
                                printer_),
            finance::PaymentOutcome::Recorded);
        EXPECT_DOUBLE_EQ(ledger(QStringLiteral("POSO")).toDouble(), typed);
        EXPECT_DOUBLE_EQ(ledger(QStringLiteral("VAT")).toDouble(), c.vat);
        EXPECT_DOUBLE_EQ(archived(QStringLiteral("POSO"), receipt).toDouble(), typed);
        EXPECT_DOUBLE_EQ(archived(QStringLiteral("VAT"), receipt).toDouble(), c.vat);
        EXPECT_DOUBLE_EQ(archived(QStringLiteral("POSO_KAI_VAT"), receipt).toDouble(), c.total);
        EXPECT_DOUBLE_EQ(archived(QStringLiteral("POSOCY"), receipt).toDouble(), c.cypAmount);
        EXPECT_DOUBLE_EQ(archived(QStringLiteral("VATCY"), receipt).toDouble(), c.cypVat);
        EXPECT_DOUBLE_EQ(archived(QStringLiteral("POSO_KAI_VATCY"), receipt).toDouble(),
                         c.cypTotal);
        ++receipt;
    }
}

TEST_F(PaymentTest, WritesThePaidRowTheReceiptAndAdvancesTheCounter) {
    ASSERT_EQ(
        finance::payTuition(
            connection_, request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41")),
            printer_),
        finance::PaymentOutcome::Recorded);

    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_DIDAKTRWN")), 1);
    EXPECT_EQ(ledger(QStringLiteral("CHECKER")).toString(), QStringLiteral("Π"));
    EXPECT_EQ(ledger(QStringLiteral("ARITHMOS_APODEIKSHS")).toString(), QStringLiteral("41"));
    EXPECT_EQ(ledger(QStringLiteral("HMEROMHNIA")).toDate(), QDate(2008, 3, 15));

    EXPECT_EQ(archived(QStringLiteral("EGKYRO"), 41).toInt(), 1);
    EXPECT_EQ(archived(QStringLiteral("ARITHMOS_MHTRWOY"), 41).toInt(), kChild);
    EXPECT_EQ(archived(QStringLiteral("MHNAS"), 41).toInt(), 3);
    EXPECT_EQ(archived(QStringLiteral("ETOS"), 41).toInt(), 2008);
    EXPECT_EQ(archived(QStringLiteral("HMEROMHNIA"), 41).toDate(), QDate(2008, 3, 15));
    EXPECT_EQ(archived(QStringLiteral("ONOMA_PAIDIOY"), 41).toString(), QStringLiteral("Ελένη"));
    EXPECT_EQ(archived(QStringLiteral("EPWNYMO_PAIDIOY"), 41).toString(),
              QStringLiteral("Παπαδάκη"));
    EXPECT_EQ(archived(QStringLiteral("PARALHPTHS"), 41).toString(),
              QStringLiteral("Μαρία Παπαδάκη"));

    EXPECT_EQ(counter(), 42);
    EXPECT_EQ(printer_.printed, QList<int>{41});
}

TEST_F(PaymentTest, PayingAMonthTwiceKeepsBothReceiptsAndOnePaidRow) {
    finance::payTuition(connection_,
                        request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41")),
                        printer_);
    finance::payTuition(connection_,
                        request(QStringLiteral("90"), QStringLiteral("15"), QStringLiteral("42")),
                        printer_);

    EXPECT_EQ(printer_.printed, (QList<int>{41, 42}));
    EXPECT_EQ(counter(), 43);
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_DIDAKTRWN")), 1);
    EXPECT_EQ(ledger(QStringLiteral("ARITHMOS_APODEIKSHS")).toString(), QStringLiteral("42"));
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_HISTORY WHERE EGKYRO=1")), 2);
}

TEST_F(PaymentTest, RefusesAnAmountNotAboveZeroOrGroupedAndWritesNothing) {
    for (const QString& amount :
         {QStringLiteral("0"), QStringLiteral("-5"), QStringLiteral(" 0,00 "),
          QStringLiteral("1.200"), QStringLiteral("1.000,50"), QStringLiteral("1,200.00"),
          QStringLiteral("1 200")}) {
        SCOPED_TRACE(amount.toStdString());
        EXPECT_EQ(
            finance::payTuition(
                connection_, request(amount, QStringLiteral("15"), QStringLiteral("41")), printer_),
            finance::PaymentOutcome::AmountRefused);
        expectNothingWritten();
    }
    // The refusal comes before the rate is read.
    EXPECT_EQ(
        finance::payTuition(
            connection_, request(QStringLiteral("0"), QString(), QStringLiteral("41")), printer_),
        finance::PaymentOutcome::AmountRefused);
}

TEST_F(PaymentTest, FailsWithoutWritingOnTextThatIsNoNumber) {
    const finance::PaymentRequest failing[] = {
        request(QStringLiteral("εκατό"), QStringLiteral("15"), QStringLiteral("41")),
        request(QStringLiteral("100"), QString(), QStringLiteral("41")),
        request(QStringLiteral("100"), QStringLiteral("15"), QString()),  // no counter shown
    };
    for (const finance::PaymentRequest& r : failing) {
        SCOPED_TRACE(
            (r.amountText + u'|' + r.vatRateText + u'|' + r.receiptNumberText).toStdString());
        EXPECT_THROW(finance::payTuition(connection_, r, printer_), db::Error);
        expectNothingWritten();
    }
}

TEST_F(PaymentTest, AStatementRefusedPartWayLeavesTheDatabaseAsItWas) {
    refuse(QStringLiteral("INSERT"), QStringLiteral("APODEIKSEIS_HISTORY"));
    EXPECT_THROW(
        finance::payTuition(
            connection_, request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41")),
            printer_),
        db::Error);
    expectNothingWritten();

    // No year picked (the current year lies outside the list): the first statement fails.
    finance::PaymentRequest noYear =
        request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41"));
    noYear.yearText.clear();
    EXPECT_THROW(finance::payTuition(connection_, noYear, printer_), db::Error);
    expectNothingWritten();
}

TEST_F(PaymentTest, CarriesNamesWithAnApostropheIntoTheArchive) {
    finance::PaymentRequest r =
        request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41"));
    r.firstName = QStringLiteral("D'Artagnan");
    r.surname = QStringLiteral("O'Brien");
    finance::payTuition(connection_, r, printer_);
    EXPECT_EQ(archived(QStringLiteral("ONOMA_PAIDIOY"), 41).toString(),
              QStringLiteral("D'Artagnan"));
    EXPECT_EQ(archived(QStringLiteral("EPWNYMO_PAIDIOY"), 41).toString(),
              QStringLiteral("O'Brien"));
}

TEST_F(PaymentTest, AFailedPrintIsReportedAsSuchAfterThePaymentIsRecorded) {
    printer_.fail = true;
    try {
        finance::payTuition(
            connection_, request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41")),
            printer_);
        FAIL() << "the failed print was not reported";
    } catch (const finance::ReceiptNotPrinted& failure) {
        EXPECT_EQ(failure.receiptNumber(), 41);
        EXPECT_TRUE(
            finance::receiptNotPrintedMessage(failure).contains(QStringLiteral("APODEIKSEIS.RAV")));
    }
    EXPECT_EQ(counter(), 42);
    EXPECT_EQ(ledger(QStringLiteral("CHECKER")).toString(), QStringLiteral("Π"));
}

// Another window or copy issued receipt 41 after this window showed it: the payment is refused
// whole and says which number the counter holds now.
TEST_F(PaymentTest, AShownNumberTheCounterHasLeftWritesNothingAndNamesTheNewNumber) {
    setCounter(43);
    try {
        const auto shown41 =
            request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("41"));
        finance::payTuition(connection_, shown41, printer_);
        FAIL() << "the stale number was not noticed";
    } catch (const finance::ReceiptNumberMoved& moved) {
        EXPECT_EQ(moved.shownNumber(), 41);
        EXPECT_EQ(moved.currentNumber(), 43);
        const QString message = finance::receiptNumberMovedMessage(moved);
        EXPECT_TRUE(message.startsWith(QStringLiteral("Η αρίθμηση των αποδείξεων άλλαξε")));
        EXPECT_TRUE(message.contains(QStringLiteral("είναι τώρα 43")));
    }
    EXPECT_EQ(ledger(QStringLiteral("CHECKER")).toString(), QStringLiteral("Χ"));
    EXPECT_EQ(count(QStringLiteral("APODEIKSEIS_HISTORY")), 0);
    EXPECT_EQ(counter(), 43);
    EXPECT_TRUE(printer_.printed.isEmpty());

    // Under the number the counter holds the payment goes through as always.
    const auto shown43 = request(QStringLiteral("100"), QStringLiteral("15"), QStringLiteral("43"));
    EXPECT_EQ(finance::payTuition(connection_, shown43, printer_),
              finance::PaymentOutcome::Recorded);
    EXPECT_EQ(printer_.printed, QList<int>{43});
    EXPECT_EQ(counter(), 44);
}

// Two copies of the program paying on one file at the same moment, each under the number it read
// just before, as their windows do: every number goes to one receipt only, and the counter
// stands after the last of them. A copy whose number moved on was told so and paid nothing.
TEST_F(PaymentTest, TwoCopiesPayingAtOnceNeverIssueOneNumberTwice) {
    const QString directory = database_.dir().path();
    const auto first = testsupport::startProgramCopy(
        {QStringLiteral("pay"), directory, QStringLiteral("7"), QStringLiteral("1500")});
    const auto second = testsupport::startProgramCopy(
        {QStringLiteral("pay"), directory, QStringLiteral("8"), QStringLiteral("1500")});
    int paid = 0;
    for (QProcess* copy : {first.get(), second.get()}) {
        ASSERT_TRUE(copy->waitForFinished(20000));
        ASSERT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
        // "paid <n> moved <n> busy <n>"
        const QStringList said = QString::fromUtf8(copy->readAllStandardOutput()).split(u' ');
        ASSERT_EQ(said.size(), 6);
        EXPECT_GT(said.at(1).toInt() + said.at(3).toInt(), 0);
        EXPECT_EQ(said.at(5).toInt(), 0) << "a payment gave up waiting";
        paid += said.at(1).toInt();
    }

    const int receipts = count(QStringLiteral("APODEIKSEIS_HISTORY"));
    EXPECT_EQ(receipts, paid);
    const auto numbers = [this](const char* of) {
        return scalar(QStringLiteral("SELECT %1 FROM APODEIKSEIS_HISTORY").arg(QLatin1String(of)))
            .toInt();
    };
    EXPECT_EQ(numbers("COUNT(DISTINCT ARITHMOS_APODEIKSHS)"), receipts);
    EXPECT_EQ(numbers("MAX(CAST(ARITHMOS_APODEIKSHS AS INTEGER))"), 40 + receipts);
    EXPECT_EQ(counter(), 41 + receipts);
}

TEST(PaymentLists, OfferTwelveMonthsAndTheYearsFrom2007PastTheCurrentOne) {
    const QStringList months = finance::paymentMonths();
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months.first(), QStringLiteral("01"));
    EXPECT_EQ(months.last(), QStringLiteral("12"));
    EXPECT_EQ(months.at(finance::paymentMonthIndex(QDate(2008, 3, 15))), QStringLiteral("03"));

    // Never shorter than it always was, and the current year is always there and preselected.
    EXPECT_EQ(finance::paymentYears(QDate(2008, 3, 15)).size(), 24);
    for (const QDate& today : {QDate(2030, 12, 31), QDate(2031, 1, 1), QDate(2047, 6, 1)}) {
        const QStringList years = finance::paymentYears(today);
        EXPECT_EQ(years.first(), QStringLiteral("2007"));
        EXPECT_EQ(years.last(), QString::number(std::max(2030, today.year() + 5)));
        EXPECT_EQ(years.at(finance::paymentYearIndex(today)), QString::number(today.year()));
    }
    EXPECT_EQ(finance::paymentYearIndex(QDate(2006, 12, 31)), -1);
}

}  // namespace
