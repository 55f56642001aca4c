#include "finance/tuition_views.h"

#include "finance/general_receipt.h"
#include "finance/issued_receipts.h"
#include "finance/payment.h"
#include "finance_fixture.h"

namespace {

using financetest::FinanceDatabase;
using financetest::RecordingPrinter;

class TuitionViewsTest : public FinanceDatabase {
protected:
    void SetUp() override {
        FinanceDatabase::SetUp();
        setCounter(41);
    }

    // Pays a month of 2008 on the given day of March, with the counter's number, at 15 %.
    int pay(int child, int month, const QString& amount, int day = 15) {
        db::Clock::set(QDateTime(QDate(2008, 3, day), QTime(10, 0)));
        const int number = counter();
        finance::payTuition(
            connection_,
            {QString::number(child), QStringLiteral("Ελένη"), QStringLiteral("Παπαδάκη"),
             QString::number(month), QStringLiteral("2008"), amount, QStringLiteral("Μαρία"),
             QStringLiteral("15"), QString::number(number)},
            printer_);
        return number;
    }
    int issueGeneral(const QString& amount, int day) {
        db::Clock::set(QDateTime(QDate(2008, 3, day), QTime(10, 0)));
        const int number = counter();
        finance::issueGeneralReceipt(
            connection_,
            {QStringLiteral("Νίκος"), QStringLiteral("Αλεξίου"), QStringLiteral("Γιώργος"),
             QStringLiteral("Εκδρομή"), amount, QStringLiteral("15"), QString::number(number)},
            generalPrinter_);
        return number;
    }
    QStringList rows(const QString& statement, const QStringList& columns) {
        db::Query query(connection_, statement);
        query.open();
        QStringList texts;
        for (int row = 0; row < query.rowCount(); ++row) {
            query.moveTo(row);
            QStringList cells;
            for (const QString& column : columns) {
                cells.append(query.text(column));
            }
            texts.append(cells.join(u' '));
        }
        return texts;
    }
    finance::Takings takings(finance::TakingsSource source, const char* from, const char* to) {
        const auto found = finance::findTakings(connection_, source, QString::fromUtf8(from),
                                                QString::fromUtf8(to));
        EXPECT_TRUE(found.has_value());
        return found.value_or(finance::Takings{});
    }

    struct NoGeneralPrint : finance::GeneralReceiptPrinter {
        void printGeneralReceipt(int) override {}
    } generalPrinter_;
    RecordingPrinter printer_;
};

// The paid and owed months read the ledger: a month whose receipt was cancelled is in neither,
// a child with nothing paid has an empty list, a zero count and empty sums.
TEST_F(TuitionViewsTest, PaidAndOwedMonthsOfAChild) {
    addOwedMonth(7, 1, 2008);
    addOwedMonth(7, 2, 2008);
    addOwedMonth(7, 3, 2008);
    pay(7, 1, QStringLiteral("100"), 10);                       // 41
    const int cancelled = pay(7, 3, QStringLiteral("50"), 12);  // 42
    pay(7, 4, QStringLiteral("17.50"), 14);                     // 43: a month with no owed row
    finance::cancelReceipt(connection_, cancelled);

    EXPECT_EQ(rows(finance::paidMonthsStatement(QStringLiteral("7")),
                   {QStringLiteral("ARITHMOS_APODEIKSHS"), QStringLiteral("HMEROMHNIA"),
                    QStringLiteral("MHNAS"), QStringLiteral("POSO"), QStringLiteral("VAT"),
                    QStringLiteral("POSOVAT")}),
              (QStringList{QStringLiteral("41 10/03/2008 1 100.00 15.00 115.00"),
                           QStringLiteral("43 14/03/2008 4 17.50 2.62 20.12")}));
    EXPECT_EQ(rows(finance::paidTotalsStatement(QStringLiteral("7")),
                   {QStringLiteral("SYNOLO"), QStringLiteral("EISPRAKSEIS"), QStringLiteral("VAT"),
                    QStringLiteral("POSOVAT")}),
              QStringList{QStringLiteral("2 117.50 17.62 135.12")});
    EXPECT_EQ(rows(finance::owedMonthsStatement(QStringLiteral("7")),
                   {QStringLiteral("MHNAS"), QStringLiteral("ETOS")}),
              QStringList{QStringLiteral("2 2008")});
    EXPECT_EQ(scalar(finance::owedCountStatement(QStringLiteral("7"))).toInt(), 1);

    addOwedMonth(8, 3, 2008);
    EXPECT_TRUE(rows(finance::paidMonthsStatement(QStringLiteral("8")), {}).isEmpty());
    EXPECT_EQ(rows(finance::paidTotalsStatement(QStringLiteral("8")),
                   {QStringLiteral("SYNOLO"), QStringLiteral("EISPRAKSEIS"), QStringLiteral("VAT"),
                    QStringLiteral("POSOVAT")}),
              QStringList{QStringLiteral("0   ")});
}

// Both end days count; the tuition's third figure is income less VAT, the general receipts'
// income plus VAT of valid receipts only; a text that is not a date finds nothing.
TEST_F(TuitionViewsTest, TakingsBetweenTwoDates) {
    pay(1, 3, QStringLiteral("100"), 1);
    pay(2, 3, QStringLiteral("50"), 31);
    pay(3, 2, QStringLiteral("80"), 20);
    pay(4, 4, QStringLiteral("70"), 1);  // moved to the 1st of April below
    run(
        QStringLiteral("UPDATE APODEIKSEIS_DIDAKTRWN SET HMEROMHNIA='2008-04-01' "
                       "WHERE ARITHMOS_MHTRWOY=4"));

    const finance::Takings tuition =
        takings(finance::TakingsSource::Tuition, "01/03/2008", " 31/03/2008 ");
    EXPECT_EQ(tuition.income, QStringLiteral("230.00"));
    EXPECT_EQ(tuition.vat, QStringLiteral("34.50"));
    EXPECT_EQ(tuition.third, QStringLiteral("195.50"));
    EXPECT_EQ(takings(finance::TakingsSource::Tuition, "31/03/2008", "31/03/2008").income,
              QStringLiteral("50.00"));

    issueGeneral(QStringLiteral("50"), 31);
    const int cancelled = issueGeneral(QStringLiteral("100"), 20);
    EXPECT_EQ(takings(finance::TakingsSource::GeneralReceipts, "1/3/2008", "31/3/2008").third,
              QStringLiteral("172.50"));
    run(QStringLiteral("UPDATE APODEIKSEIS_GEN SET EGKYRO=0 WHERE AR_APODEIKSHS='%1'")
            .arg(cancelled));
    const finance::Takings general =
        takings(finance::TakingsSource::GeneralReceipts, "01/03/2008", "31/03/2008");
    EXPECT_EQ(general.income, QStringLiteral("50.00"));
    EXPECT_EQ(general.vat, QStringLiteral("7.50"));
    EXPECT_EQ(general.third, QStringLiteral("57.50"));

    for (const char* wrong : {"", "31/02/2008", "abc"}) {
        EXPECT_FALSE(finance::findTakings(connection_, finance::TakingsSource::Tuition,
                                          QString::fromUtf8(wrong), QStringLiteral("31/03/2008")));
    }
    EXPECT_EQ(takings(finance::TakingsSource::Tuition, "01/01/2009", "31/12/2009").income,
              QString());
}

}  // namespace
