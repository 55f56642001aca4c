#include <gtest/gtest.h>

#include "db/clock.h"
#include "db/connection.h"
#include "db/dialect.h"
#include "db/error.h"
#include "db/greek_text.h"
#include "db/query.h"
#include "support/temp_database.h"

using namespace Qt::StringLiterals;

namespace {

class Dialect : public ::testing::Test {
protected:
    void SetUp() override {
        connection_.executeNative(QStringLiteral(
            "CREATE TABLE K (ID INTEGER, NAME TEXT COLLATE GREEK, BORN DATE, AMOUNT DOUBLE, "
            "VALID BOOLEAN, \"0800-0830\" TEXT COLLATE GREEK)"));
        connection_.execute(QStringLiteral(
            "INSERT INTO K VALUES (1, 'Παπαδόπουλος', #3/28/2007#, 17.5, 1, \"πρωί\")"));
        connection_.execute(
            QStringLiteral("INSERT INTO K VALUES (2, 'Άννα', #12/1/2019#, 2.625, 0, '')"));
        connection_.execute(
            QStringLiteral("INSERT INTO K VALUES (3, 'Ωρίων', #1/5/2020#, NULL, TRUE, NULL)"));
        connection_.execute(
            QStringLiteral("INSERT INTO K VALUES (4, 'Αβραάμ', NULL, 100, FALSE, NULL)"));
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
    EXPECT_EQ(db::translate(QStringLiteral("SELECT \"\" FROM T")),
              QStringLiteral("SELECT '' FROM T"));
}

TEST_F(Dialect, DatesAreStoredAsIsoTextAndReadBackAsDates) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT BORN FROM K WHERE ID=1")).toDate(), QDate(2007, 3, 28));
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE BORN BETWEEN #1/1/2019# AND "
                                    "#1/31/2020# ORDER BY ID")),
              (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT DAY(BORN) FROM K WHERE ID=1")).toInt(), 28);
    EXPECT_EQ(scalar(QStringLiteral("SELECT MONTH(BORN) FROM K WHERE ID=1")).toInt(), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT YEAR(BORN) FROM K WHERE ID=1")).toInt(), 2007);
    EXPECT_EQ(scalar(QStringLiteral("SELECT DAY('2010-05-03 10:30:00')")).toInt(), 3);
    for (const char* notADay : {"2010-02-30", "2010/05/03", "2010-5-003", "20x0-05-03"}) {
        EXPECT_TRUE(
            scalar(QStringLiteral("SELECT MONTH('%1')").arg(QLatin1StringView(notADay))).isNull())
            << notADay;
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT STR(BORN) FROM K WHERE ID=3")).toString(),
              QStringLiteral("05/01/2020"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Format(BORN,\"dd/mm/yyyy\") FROM K WHERE ID=1")).toString(),
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
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Format(SUM(AMOUNT),'0.00') AS POSON FROM K")).toString(),
        QStringLiteral("120.13"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) AS synolo FROM K")).toInt(), 4);
    // An empty amount counted as zero.
    EXPECT_EQ(column(QStringLiteral("SELECT Format(IIF(AMOUNT Is Null,0,AMOUNT),'0.00') FROM K "
                                    "ORDER BY ID")),
              (QStringList{QStringLiteral("17.50"), QStringLiteral("2.63"), QStringLiteral("0.00"),
                           QStringLiteral("100.00")}));
    // A pattern that changes from row to row is read for each row.
    EXPECT_EQ(
        column(QStringLiteral("SELECT Format(AMOUNT, IIF(ID = 1, '0.0', '0.000')) FROM K "
                              "WHERE AMOUNT Is Not Null ORDER BY ID")),
        (QStringList{QStringLiteral("17.5"), QStringLiteral("2.625"), QStringLiteral("100.000")}));
    // A tiny negative amount is no sign of a debt.
    EXPECT_EQ(scalar(QStringLiteral("SELECT Format(-0.001,'0.00')")).toString(), u"0.00");
    EXPECT_EQ(scalar(QStringLiteral("SELECT Format(-0.006,'0.00')")).toString(), u"-0.01");
}

TEST_F(Dialect, YesNoColumnsCompareWithTrueAndShowAsTrueOrFalse) {
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE VALID=TRUE ORDER BY ID")),
              (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(column(QStringLiteral("SELECT VALID FROM K ORDER BY ID")),
              (QStringList{QStringLiteral("True"), QStringLiteral("False"), QStringLiteral("True"),
                           QStringLiteral("False")}));
    // A column that happens to be named TRUE stays a column after a dot.
    connection_.executeNative(QStringLiteral("CREATE TABLE T (\"TRUE\" INTEGER)"));
    connection_.executeNative(QStringLiteral("INSERT INTO T VALUES (7)"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT T.TRUE FROM T")).toInt(), 7);
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

// Upper-casing ΐ and ΰ, or a letter typed with a separate accent, leaves combining marks; the
// surname search upper-cases both sides and must still find the name by its plain letters.
TEST_F(Dialect, DiaeresisAndSeparateAccentsFoldToTheBaseLetter) {
    const QString decomposedAnna = QStringLiteral("A\u0301ννα").replace(u'A', QChar(0x0391));
    connection_.execute(QStringLiteral("INSERT INTO K (ID, NAME) VALUES (5, 'Λοΐζου')"));
    connection_.execute(QStringLiteral("INSERT INTO K (ID, NAME) VALUES (6, 'ΠΡΩΤΕΥΟΥΣΑ')"));
    connection_.execute(u"INSERT INTO K (ID, NAME) VALUES (7, '"_s + decomposedAnna + u"')"_s);
    for (const QString& typed : {u"λοιζ"_s, u"ΛΟΙΖΟΥ"_s, u"λοΐζου"_s, u"ΛΟΪ́ΖΟΥ"_s}) {
        EXPECT_EQ(
            column(u"SELECT ID FROM K WHERE ucase(NAME) LIKE '"_s + typed.toUpper() + u"%'"_s),
            QStringList{u"5"_s})
            << typed.toStdString();
    }
    EXPECT_EQ(
        column(QStringLiteral("SELECT ID FROM K WHERE NAME='ΠΡΩΤΕΎΟΥΣΑ' OR NAME='πρωτευουσα'")),
        QStringList{u"6"_s});
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM K WHERE NAME='άννα' ORDER BY ID")),
              (QStringList{u"2"_s, u"7"_s}));
    EXPECT_EQ(db::compareGreek(QStringLiteral("ΰ"), QStringLiteral("Υ")), 0);
    EXPECT_LT(db::compareGreek(QStringLiteral("ΪΑ"), QStringLiteral("ΙΒ")), 0);
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
