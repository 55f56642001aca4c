#include <gtest/gtest.h>

#include "db/clock.h"
#include "db/connection.h"
#include "db/dialect.h"
#include "db/error.h"
#include "db/query.h"
#include "support/temp_database.h"

namespace {

class Dialect : public ::testing::Test {
protected:
    void SetUp() override {
        connection_.executeNative(QStringLiteral(
            "CREATE TABLE K (ID INTEGER, NAME TEXT COLLATE GREEK, BORN DATE, AMOUNT DOUBLE, "
            "VALID BOOLEAN, \"0800-0830\" TEXT COLLATE GREEK)"));
        connection_.execute(QStringLiteral(
            "INSERT INTO K VALUES (1, 'Παπαδόπουλος', #3/28/2007#, 17.5, 1, \"πρωί\")"));
        connection_.execute(QStringLiteral(
            "INSERT INTO K VALUES (2, 'Άννα', #12/1/2019#, 2.625, 0, '')"));
        connection_.execute(QStringLiteral(
            "INSERT INTO K VALUES (3, 'Ωρίων', #1/5/2020#, NULL, TRUE, NULL)"));
        connection_.execute(QStringLiteral(
            "INSERT INTO K VALUES (4, 'Αβραάμ', NULL, 100, FALSE, NULL)"));
    }
    void TearDown() override { db::Clock::reset(); }

    QVariant scalar(const QString& statement) { return db::scalar(connection_, statement); }
    QStringList column(const QString& statement) {
        db::Query query(connection_, statement);
        query.open();
        QStringList values;
        for (int row = 0; row < query.rowCount(); ++row) {
            values.append(query.textAt(row, 0));
        }
        return values;
    }

    testsupport::EmptyDatabase database_;
    db::Connection& connection_ = database_.connection();
};

TEST_F(Dialect, TranslatesLiteralsNamesAndFunctionsByTokensNotInsideTexts) {
    EXPECT_EQ(db::translate(QStringLiteral(
                  "SELECT [MONTH], \"a'b\" FROM T WHERE D=#3/28/2007# AND F=TRUE AND "
                  "S='#1/1/2000# TRUE DAY(' AND DAY(D)=1")),
              QStringLiteral("SELECT \"MONTH\", 'a''b' FROM T WHERE D='2007-03-28' AND F=1 AND "
                             "S='#1/1/2000# TRUE DAY(' AND VEL_DAY(D)=1"));
    EXPECT_EQ(db::translate(QStringLiteral("SELECT \"\" FROM T")), QStringLiteral("SELECT '' FROM T"));
}

TEST_F(Dialect, DatesAreStoredAsIsoTextAndReadBackAsDates) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT BORN FROM K WHERE ID=1")).toDate(), QDate(2007, 3, 28));
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE BORN BETWEEN #1/1/2019# AND "
                                    "#1/31/2020# ORDER BY ID")),
              (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DAY(BORN) FROM K WHERE ID=1")).toInt(), 28);
    EXPECT_EQ(scalar(QStringLiteral("SELECT MONTH(BORN) FROM K WHERE ID=1")).toInt(), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT YEAR(BORN) FROM K WHERE ID=1")).toInt(), 2007);
    EXPECT_EQ(scalar(QStringLiteral("SELECT STR(BORN) FROM K WHERE ID=3")).toString(),
              QStringLiteral("05/01/2020"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Format(BORN,\"dd/mm/yyyy\") FROM K WHERE ID=1"))
                  .toString(),
              QStringLiteral("28/03/2007"));
}

TEST_F(Dialect, DateReadsTheProgramClock) {
    db::Clock::set(QDateTime(QDate(2010, 3, 3), QTime(9, 30)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATE()")).toString(), QStringLiteral("2010-03-03"));
    connection_.execute(QStringLiteral("INSERT INTO K (ID, BORN) VALUES (5, DATE())"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT BORN FROM K WHERE ID=5")).toDate(), QDate(2010, 3, 3));
}

TEST_F(Dialect, FormatsAmountsWithTwoDecimalsAndCountsAndSums) {
    EXPECT_EQ(column(QStringLiteral("SELECT Format(AMOUNT,'0.00') FROM K ORDER BY ID")),
              (QStringList{QStringLiteral("17.50"), QStringLiteral("2.63"), QString(),
                           QStringLiteral("100.00")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Format(SUM(AMOUNT),'0.00') AS POSON FROM K")).toString(),
              QStringLiteral("120.13"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) AS synolo FROM K")).toInt(), 4);
}

TEST_F(Dialect, YesNoColumnsCompareWithTrueAndShowAsTrueOrFalse) {
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE VALID=TRUE ORDER BY ID")),
              (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(column(QStringLiteral("SELECT VALID FROM K ORDER BY ID")),
              (QStringList{QStringLiteral("True"), QStringLiteral("False"), QStringLiteral("True"),
                           QStringLiteral("False")}));
}

TEST_F(Dialect, BracketedNamesUcaseAndLen) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT [0800-0830] FROM K WHERE ID=1")).toString(),
              QStringLiteral("πρωί"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT UCASE(NAME) FROM K WHERE ID=4")).toString(),
              QStringLiteral("ΑΒΡΑΆΜ"));
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE LEN([0800-0830])>0")),
              QStringList{QStringLiteral("1")});
}

TEST_F(Dialect, TextComparesMatchesAndSortsGreekAware) {
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE NAME LIKE 'παπαδοπ%'")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE NAME LIKE 'αννα'")),
              QStringList{QStringLiteral("2")});
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE NAME='ΠΑΠΑΔΟΠΟΥΛΟΣ'")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE NAME='Παπαδόπουλοσ'")),
              QStringList{QStringLiteral("1")});  // final sigma is sigma
    // Άννα sorts among the names beginning with Α (by code point it would come first).
    EXPECT_EQ(column(QStringLiteral("SELECT NAME FROM K ORDER BY NAME ASC")),
              (QStringList{QStringLiteral("Αβραάμ"), QStringLiteral("Άννα"),
                           QStringLiteral("Παπαδόπουλος"), QStringLiteral("Ωρίων")}));
}

TEST_F(Dialect, RejectsTheErrorMarkerAndMalformedDates) {
    EXPECT_THROW(scalar(QStringLiteral("SELECT ID FROM K WHERE BORN BETWEEN ERROR AND #1/1/2020#")),
                 db::Error);
    EXPECT_THROW(connection_.execute(QStringLiteral("INSERT INTO K (ID, BORN) VALUES (9, ERROR)")),
                 db::Error);
    EXPECT_THROW(scalar(QStringLiteral("SELECT ID FROM K WHERE BORN=#2/31/2007#")), db::Error);
    EXPECT_THROW(scalar(QStringLiteral("SELECT ID FROM K WHERE BORN=#ERROR#")), db::Error);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM K")).toInt(), 4);
}

}  // namespace
