// The saved queries of the delivered database, on children enrolled, de-enrolled and
// re-enrolled as the program records them, read with the program's own statements.

#include <gtest/gtest.h>

#include "db/query.h"
#include "support/delivered_database.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList kEnrolmentColumns = {
    u"ARITHMOS_MHTRWOY"_s,
    u"ONOMA_PAIDIOY"_s,
    u"EPWNYMO_PAIDIOY"_s,
    u"HMEROMHNIA_GENNHSEWS"_s,
    u"FYLO"_s,
    u"ONOMA_PATERA"_s,
    u"ONOMA_MHTERAS"_s,
    u"ONOMA_KHDEMONA"_s,
    u"DIEYTHYNSH_OIKIAS"_s,
    u"THLEFWNO_ERGASIAS_KHDEMONA"_s,
    u"HMEROMHNIA_EGGRAFHS"_s,
    u"HMEROMHNIA_DIAGRAFHS"_s,
    u"LOGOS_DIAGRAFHS"_s,
};

// Children and their enrolment periods, written as the program writes them.
class SavedQueries : public ::testing::Test {
protected:
    int count(const QString& statement) { return db::scalar(connection, statement).toInt(); }
    void addChild(int number, const QString& surname, bool active = true) {
        connection.execute(
            u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,"
            "HMEROMHNIA_GENNHSEWS,FYLO,ENERGO) VALUES(%1,'Άννα','%2',#3/4/2006#,"
            "'Κορίτσι','%3')"_s.arg(QString::number(number), surname,
                                    active ? u"ΝΑΙ"_s : u"ΟΧΙ"_s));
    }
    // A period from `from` (m/d/yyyy), closed on `to` when given.
    void addPeriod(int number, const QString& from, const QString& to = {}) {
        connection.execute(
            u"insert into CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) "
            "VALUES(%1,#%2#)"_s.arg(QString::number(number), from));
        if (!to.isEmpty()) {
            connection.execute(
                u"UPDATE CHILDREN_EGG_DIAG SET HMEROMHNIA_DIAGRAFHS=#%1#, "
                "LOGOS_DIAGRAFHS='Μετακόμιση' WHERE ARITHMOS_MHTRWOY=%2 AND "
                "HMEROMHNIA_EGGRAFHS=#%3#"_s.arg(to, QString::number(number), from));
        }
    }
    QList<qlonglong> numbers(const QString& statement) {
        db::Query query(connection, statement);
        query.open();
        QList<qlonglong> found;
        for (int row = 0; row < query.rowCount(); ++row) {
            found << query.valueAt(row, query.columnIndex(u"ARITHMOS_MHTRWOY"_s)).toLongLong();
        }
        return found;
    }

    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
};

}  // namespace

TEST_F(SavedQueries, ChildrenEnrolledMoreThanOnceAreListedOnceEach) {
    addChild(1, u"Αντωνίου"_s);
    addPeriod(1, u"9/1/2008"_s, u"6/30/2009"_s);
    addPeriod(1, u"9/15/2009"_s);
    addChild(2, u"Γεωργίου"_s);
    addPeriod(2, u"9/1/2008"_s);
    addChild(3, u"Δημητρίου"_s, false);
    addPeriod(3, u"9/1/2007"_s, u"1/31/2008"_s);
    addPeriod(3, u"3/1/2008"_s, u"6/30/2008"_s);
    addPeriod(3, u"9/1/2008"_s, u"6/30/2009"_s);

    EXPECT_EQ(numbers(u"SELECT * FROM MWRA_ME_MEG_APO_1_EGG ORDER BY ARITHMOS_MHTRWOY"_s),
              (QList<qlonglong>{1, 3}));
    // The canned search joins it with the active children, without DISTINCT.
    EXPECT_EQ(numbers(u"SELECT CHILDREN.ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,"
                      "str(HMEROMHNIA_GENNHSEWS) as HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,"
                      "ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA "
                      " from CHILDREN,  MWRA_ME_MEG_APO_1_EGG  where   MWRA_ME_MEG_APO_1_EGG."
                      "ARITHMOS_MHTRWOY=CHILDREN.ARITHMOS_MHTRWOY AND ENERGO='ΝΑΙ' order by "
                      "EPWNYMO_PAIDIOY ASC"_s),
              QList<qlonglong>{1});
}

TEST_F(SavedQueries, EnrolmentQueriesListEveryPeriodOfAReEnrolledChild) {
    addChild(7, u"Ζαχαρίου"_s);
    addPeriod(7, u"9/1/2009"_s, u"6/30/2010"_s);
    addPeriod(7, u"9/15/2010"_s);
    addChild(8, u"Ηλία"_s);
    addPeriod(8, u"9/1/2010"_s);

    for (const QString& view : {u"EGRAFES_SE_HMEROMHNIES"_s, u"DIAGRAFES_SE_HMEROMHNIES"_s,
                                u"EGG_DIAG_SE_HMEROMHNIES"_s}) {
        EXPECT_EQ(numbers(u"SELECT * FROM %1 WHERE ARITHMOS_MHTRWOY=7"_s.arg(view)).size(), 2)
            << view.toStdString();
    }
    EXPECT_EQ(numbers(u"SELECT * FROM EGRAFES_SE_HMEROMHNIES WHERE HMEROMHNIA_EGGRAFHS BETWEEN "
                      "#9/1/2010# AND #9/30/2010#"_s),
              (QList<qlonglong>{8, 7}));
    db::Query left(connection,
                   u"SELECT * FROM DIAGRAFES_SE_HMEROMHNIES WHERE "
                   "HMEROMHNIA_DIAGRAFHS BETWEEN #6/1/2010# AND #6/30/2010#"_s);
    left.open();
    ASSERT_EQ(left.rowCount(), 1);
    EXPECT_EQ(left.columnNames(), kEnrolmentColumns);
    EXPECT_EQ(left.value(u"HMEROMHNIA_EGGRAFHS"_s).toDate(), QDate(2009, 9, 1));
    EXPECT_EQ(left.text(u"LOGOS_DIAGRAFHS"_s), u"Μετακόμιση"_s);
    EXPECT_EQ(left.text(u"EPWNYMO_PAIDIOY"_s), u"Ζαχαρίου"_s);
    EXPECT_EQ(numbers(u"SELECT * FROM EGG_DIAG_SE_HMEROMHNIES WHERE HMEROMHNIA_DIAGRAFHS BETWEEN "
                      "#1/1/2009# AND #12/31/2010# AND HMEROMHNIA_EGGRAFHS BETWEEN #1/1/2009# AND "
                      "#12/31/2010#"_s),
              QList<qlonglong>{7});
}

// The windows' statements have no ORDER BY: the rows come in each query's own order, dates
// first, then surnames as the staff sort them (case and accents aside).
TEST_F(SavedQueries, EnrolmentQueriesKeepTheirOwnOrder) {
    addChild(1, u"Ωμέγα"_s);
    addPeriod(1, u"9/1/2010"_s, u"6/30/2011"_s);
    addChild(2, u"άλφα"_s);
    addPeriod(2, u"9/1/2010"_s, u"6/30/2011"_s);
    addChild(3, u"Βήτα"_s);
    addPeriod(3, u"8/1/2010"_s, u"7/31/2011"_s);

    EXPECT_EQ(numbers(u"SELECT * FROM EGRAFES_SE_HMEROMHNIES"_s), (QList<qlonglong>{3, 2, 1}));
    EXPECT_EQ(numbers(u"SELECT * FROM DIAGRAFES_SE_HMEROMHNIES"_s), (QList<qlonglong>{2, 1, 3}));
    EXPECT_EQ(numbers(u"SELECT * FROM EGG_DIAG_SE_HMEROMHNIES"_s), (QList<qlonglong>{3, 2, 1}));
    db::Query left(connection,
                   u"SELECT * FROM DIAGRAFES_SE_HMEROMHNIES WHERE "
                   "HMEROMHNIA_DIAGRAFHS BETWEEN #6/1/2011# AND #6/30/2011#"_s);
    left.open();
    EXPECT_EQ(left.text(u"EPWNYMO_PAIDIOY"_s), u"άλφα"_s);
}

TEST_F(SavedQueries, EnrolledChildrenAreListedOnceWithTheirOpenEnrolment) {
    addChild(7, u"Ζαχαρίου"_s);
    addPeriod(7, u"9/1/2009"_s, u"6/30/2010"_s);
    addPeriod(7, u"9/15/2010"_s);
    addChild(8, u"Ηλία"_s);
    addPeriod(8, u"9/1/2010"_s);
    addChild(9, u"Θεοδώρου"_s, false);
    addPeriod(9, u"9/1/2009"_s, u"6/30/2010"_s);

    db::Query enrolled(connection, u"SELECT * FROM GRAMMENOI ORDER BY ARITHMOS_MHTRWOY"_s);
    enrolled.open();
    ASSERT_EQ(enrolled.rowCount(), 2);
    EXPECT_EQ(enrolled.value(u"ARITHMOS_MHTRWOY"_s).toLongLong(), 7);
    EXPECT_EQ(enrolled.value(u"HMEROMHNIA_EGGRAFHS"_s).toDate(), QDate(2010, 9, 15));

    // The yearly status copies it; rebuilt twice, it holds the same one row per child.
    for (int build = 0; build < 2; ++build) {
        connection.execute(u"DELETE FROM DIDAKTRA_TEMP"_s);
        connection.execute(
            u"INSERT INTO DIDAKTRA_TEMP(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,"
            "HMEROMHNIA_EGGRAFHS)  select GRAMMENOI.ARITHMOS_MHTRWOY as ARITHMOS_MHTRWOY,"
            "GRAMMENOI.ONOMA_PAIDIOY as ONOMA_PAIDIOY,GRAMMENOI.EPWNYMO_PAIDIOY as EPWNYMO_PAIDIOY,"
            " STR(GRAMMENOI.HMEROMHNIA_EGGRAFHS) as HMEROMHNIA_EGGRAFHS from GRAMMENOI ORDER BY "
            "EPWNYMO_PAIDIOY ASC"_s);
    }
    EXPECT_EQ(count(u"SELECT COUNT(*) FROM DIDAKTRA_TEMP"_s), 2);
    EXPECT_EQ(db::scalar(connection,
                         u"SELECT HMEROMHNIA_EGGRAFHS FROM DIDAKTRA_TEMP WHERE "
                         "ARITHMOS_MHTRWOY=7"_s)
                  .toString(),
              u"15/09/2010"_s);
}

TEST_F(SavedQueries, CardQueryCarriesEveryCardColumnOfEachChild) {
    addChild(25, u"Ιωάννου"_s);
    addChild(26, u"Κυριάκου"_s, false);
    connection.execute(
        u"UPDATE CHILDREN SET ALLERGIES='Γύρη', WRA_FEYGEI='13:00' WHERE ARITHMOS_MHTRWOY=25"_s);

    db::Query one(connection, u"select * from KARTA where ARITHMOS_MHTRWOY=25"_s);
    one.open();
    ASSERT_EQ(one.rowCount(), 1);
    EXPECT_EQ(one.columnCount(), 94);
    EXPECT_EQ(one.text(u"ALLERGIES"_s), u"Γύρη"_s);
    EXPECT_EQ(one.text(u"WRA_FEYGEI"_s), u"13:00"_s);
    EXPECT_EQ(one.value(u"HMEROMHNIA_GENNHSEWS"_s).toDate(), QDate(2006, 3, 4));
    EXPECT_EQ(numbers(u"SELECT * FROM KARTA WHERE ENERGO='ΝΑΙ'"_s), QList<qlonglong>{25});
}
