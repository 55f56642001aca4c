#include "finance/yearly_status.h"

#include "finance/payment.h"
#include "finance_fixture.h"

namespace {

using financetest::FinanceDatabase;

class YearlyStatusTest : public FinanceDatabase {
protected:
    void SetUp() override {
        FinanceDatabase::SetUp();
        setCounter(41);
    }

    // A child with an enrolment from 1 September 2007, still open unless left is given.
    void enrol(int child, const QString& surname, const QString& left = QStringLiteral("NULL")) {
        run(QStringLiteral("INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,"
                           "ENERGO) VALUES(%1,'Άννα','%2','ΝΑΙ')")
                .arg(child)
                .arg(surname));
        run(QStringLiteral("INSERT INTO CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS,"
                           "HMEROMHNIA_DIAGRAFHS) VALUES(%1,#9/1/2007#,%2)")
                .arg(child)
                .arg(left));
    }
    void payMarch(int child) {
        RecordingPrinter printer;
        finance::payTuition(
            connection_,
            {QString::number(child), QStringLiteral("Άννα"), QStringLiteral("Β"),
             QStringLiteral("03"), QStringLiteral("2008"), QStringLiteral("100"),
             QStringLiteral("Μαρία"), QStringLiteral("15"), QString::number(counter())},
            printer);
    }
    // The status row of a child: the texts of the columns named, "null" for a null.
    QStringList statusOf(int child, const QStringList& columns) {
        QStringList values;
        for (const QString& column : columns) {
            const QVariant value =
                scalar(QStringLiteral("SELECT %1 FROM DIDAKTRA_TEMP WHERE ARITHMOS_MHTRWOY=%2")
                           .arg(column)
                           .arg(child));
            values.append(value.isNull() ? QStringLiteral("null") : value.toString());
        }
        return values;
    }
    static QStringList monthColumns(int month) {
        QStringList columns;
        for (const char letter : {'C', 'T', 'P', 'V', 'H'}) {
            columns.append(QStringLiteral("%1%2").arg(QLatin1Char(letter)).arg(month));
        }
        return columns;
    }

    using RecordingPrinter = financetest::RecordingPrinter;
};

// One row per enrolled child, surname first: an owed month holds its mark and empty texts, a
// paid month every text, a month without a ledger row nulls; a child who left, another year and
// a month outside 1 to 12 leave no trace; the title names the year.
TEST_F(YearlyStatusTest, BuildsOneRowPerEnrolledChildWithItsMonths) {
    enrol(1, QStringLiteral("Γεωργίου"));
    enrol(2, QStringLiteral("Αλεξίου"));
    enrol(3, QStringLiteral("Δήμου"), QStringLiteral("#1/31/2008#"));
    addOwedMonth(1, 3, 2008);
    addOwedMonth(2, 3, 2008);
    payMarch(2);
    addOwedMonth(2, 4, 2009);
    addOwedMonth(2, 13, 2008);
    addOwedMonth(3, 3, 2008);
    run(QStringLiteral("INSERT INTO DIDAKTRA_TEMP(ARITHMOS_MHTRWOY) VALUES(99)"));  // earlier run

    int done = 0;
    int total = -1;
    finance::buildYearlyStatus(connection_, QStringLiteral("2008"), [&](int d, int t) {
        EXPECT_GE(d, done);
        done = d;
        total = t;
    });

    EXPECT_EQ(done, total);  // the progress dialog closes
    EXPECT_EQ(count(QStringLiteral("DIDAKTRA_TEMP")), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(ARITHMOS_MHTRWOY) FROM (SELECT "
                                    "ARITHMOS_MHTRWOY FROM DIDAKTRA_TEMP ORDER BY rowid)"))
                  .toString(),
              QStringLiteral("2,1"));
    EXPECT_EQ(statusOf(1, monthColumns(3)),
              (QStringList{QStringLiteral("Χ"), QString(), QString(), QString(), QString()}));
    EXPECT_EQ(statusOf(2, monthColumns(3)),
              (QStringList{QStringLiteral("Π"), QStringLiteral("41"), QStringLiteral("100.00"),
                           QStringLiteral("15.00"), QStringLiteral("15/03/2008")}));
    EXPECT_EQ(statusOf(2, QStringList{QStringLiteral("HMEROMHNIA_EGGRAFHS"),
                                      QStringLiteral("ONOMA_PAIDIOY")}),
              (QStringList{QStringLiteral("01/09/2007"), QStringLiteral("Άννα")}));
    for (int month = 1; month <= 12; ++month) {
        if (month != 3) {
            for (const int child : {1, 2}) {
                EXPECT_EQ(statusOf(child, monthColumns(month)),
                          QStringList(5, QStringLiteral("null")))
                    << "child " << child << " month " << month;
            }
        }
    }
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT KEIMENO1 || '|' || KEIMENO2 FROM PERIGRAFH")).toString(),
        QStringLiteral("ΚΑΤΑΣΤΑΣΗ ΠΛΗΡΩΜΗΣ ΔΙΔΑΚΤΡΩΝ ΓΙΑ ΤΟ ΕΤΟΣ 2008|"));
}

// A failure part-way leaves the status of the previous run and its title whole.
TEST_F(YearlyStatusTest, AFailedBuildLeavesThePreviousStatusWhole) {
    enrol(1, QStringLiteral("Γεωργίου"));
    addOwedMonth(1, 3, 2008);
    finance::buildYearlyStatus(connection_, QStringLiteral("2008"));
    refuse(QStringLiteral("UPDATE"), QStringLiteral("PERIGRAFH"));

    EXPECT_THROW(finance::buildYearlyStatus(connection_, QStringLiteral("2009")), db::Error);
    EXPECT_THROW(finance::buildYearlyStatus(connection_, QString()), db::Error);

    EXPECT_EQ(count(QStringLiteral("DIDAKTRA_TEMP")), 1);
    EXPECT_EQ(statusOf(1, {QStringLiteral("C3")}), QStringList{QStringLiteral("Χ")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT KEIMENO1 FROM PERIGRAFH")).toString(),
              QStringLiteral("ΚΑΤΑΣΤΑΣΗ ΠΛΗΡΩΜΗΣ ΔΙΔΑΚΤΡΩΝ ΓΙΑ ΤΟ ΕΤΟΣ 2008"));
}

}  // namespace
