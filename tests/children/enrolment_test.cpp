#include <gtest/gtest.h>

#include "children/birth_year_deletion.h"
#include "children/enrolment_history.h"
#include "children/enrolment_reports.h"
#include "children_fixture.h"
#include "db/error.h"

using namespace Qt::StringLiterals;

namespace {

using children::EnrolmentReport;

// A child with the enrolment periods given as (enrolled, de-enrolled, reason); an empty
// de-enrolment date leaves the period open.
struct Period {
    QString enrolled;
    QString deEnrolled;
    QString reason;
};

class EnrolmentTest : public ::testing::Test {
protected:
    void addPeriods(int number, const QList<Period>& periods) {
        for (const Period& period : periods) {
            program.connection.execute(
                QStringLiteral("insert into CHILDREN_EGG_DIAG VALUES(%1,#%2#,%3,%4)")
                    .arg(number)
                    .arg(period.enrolled,
                         period.deEnrolled.isEmpty() ? QStringLiteral("NULL")
                                                     : u'#' + period.deEnrolled + u'#',
                         period.reason.isEmpty() ? QStringLiteral("NULL")
                                                 : u'\'' + period.reason + u'\''));
        }
    }
    // Every statement that updates CHILDREN is refused from now on.
    void refuseUpdatesOfChildren() {
        program.connection.executeNative(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE UPDATE ON CHILDREN BEGIN SELECT RAISE(ABORT, "
            "'refused'); END"));
    }
    QString energo(int number) {
        return db::scalar(program.connection,
                          QStringLiteral("select ENERGO from CHILDREN WHERE ARITHMOS_MHTRWOY=%1")
                              .arg(number))
            .toString();
    }
    QStringList listed(EnrolmentReport report, const QString& from, const QString& to) {
        db::Query query(program.connection, children::enrolmentReportStatement(report, from, to));
        query.open();
        QStringList rows;
        for (query.first(); query.position() >= 0 && query.position() < query.rowCount();) {
            rows.append(query.text(QStringLiteral("ARITHMOS_MHTRWOY")) + u' ' +
                        query.text(QStringLiteral("HMEROMHNIA_EGGRAFHS")));
            if (query.atLast()) {
                break;
            }
            query.next();
        }
        return rows;
    }

    childrentest::DeliveredProgram program;
};

TEST_F(EnrolmentTest, ReEnrolmentOpensAPeriodMarksTheChildActiveAndBillsTheClocksMonth) {
    program.addChild(7, QStringLiteral("Άννα"), QStringLiteral("Βασιλείου"), {2006, 1, 5}, false);
    addPeriods(7, {{u"9/1/2009"_s, u"6/20/2010"_s, u"Μετακόμιση"_s}});
    EXPECT_TRUE(
        children::reEnrolmentAllowed(children::openPeriodCount(program.connection, u"7"_s)));
    db::Clock::set(QDateTime({2012, 3, 14}, {10, 0}));

    children::reEnrol(program.connection, QStringLiteral("7"), QStringLiteral(" 15/09/2010 "));
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN_EGG_DIAG WHERE ARITHMOS_MHTRWOY=7 "
                            u"AND HMEROMHNIA_EGGRAFHS=#9/15/2010# AND LOGOS_DIAGRAFHS IS NULL "
                            u"AND HMEROMHNIA_DIAGRAFHS IS NULL"_s),
              1);
    EXPECT_EQ(energo(7), QStringLiteral("ΝΑΙ"));
    EXPECT_EQ(program.count(u"select count(*) from APODEIKSEIS_DIDAKTRWN WHERE "
                            u"ARITHMOS_MHTRWOY=7 AND CHECKER='Χ' AND MHNAS=3 AND ETOS=2012"_s),
              1);
    EXPECT_FALSE(
        children::reEnrolmentAllowed(children::openPeriodCount(program.connection, u"7"_s)));

    // The month's row exists already: the ledger refuses a second one and nothing is said.
    children::reEnrol(program.connection, QStringLiteral("7"), QStringLiteral("16/09/2010"));
    EXPECT_EQ(program.count(u"select count(*) from APODEIKSEIS_DIDAKTRWN"_s), 1);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN_EGG_DIAG"_s), 3);
}

TEST_F(EnrolmentTest, DeEnrolmentClosesTheOpenPeriodWithTheReasonAsTyped) {
    program.addChild(8, QStringLiteral("Νίκος"), QStringLiteral("Νικολάου"), {2007, 2, 6});
    addPeriods(8, {{u"9/1/2010"_s, {}, {}}});
    program.connection.execute(
        u"insert into APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,CHECKER,MHNAS,ETOS) "
        u"VALUES(8,'Χ',5,2011)"_s);

    const QString reason = QStringLiteral("O'Brien: μετακόμιση'); DELETE FROM CHILDREN; --");
    children::deEnrol(program.connection, QStringLiteral("8"), QStringLiteral("30/06/2011"),
                      u"  "_s + reason + u" "_s, QStringLiteral("01/09/2010"));
    EXPECT_EQ(db::scalar(program.connection,
                         u"select LOGOS_DIAGRAFHS from CHILDREN_EGG_DIAG WHERE "
                         u"HMEROMHNIA_DIAGRAFHS=#6/30/2011#"_s)
                  .toString(),
              reason);
    EXPECT_EQ(energo(8), QStringLiteral("ΟΧΙ"));
    EXPECT_EQ(program.count(u"select count(*) from APODEIKSEIS_DIDAKTRWN"_s), 1);
    EXPECT_TRUE(
        children::reEnrolmentAllowed(children::openPeriodCount(program.connection, u"8"_s)));

    // A de-enrolment dated before the enrolment is taken as typed.
    addPeriods(8, {{u"9/1/2012"_s, {}, {}}});
    children::deEnrol(program.connection, QStringLiteral("8"), QStringLiteral("01/01/2012"),
                      QStringLiteral("Λάθος"), QStringLiteral("01/09/2012"));
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN_EGG_DIAG WHERE "
                            u"HMEROMHNIA_DIAGRAFHS=#1/1/2012#"_s),
              1);
}

TEST_F(EnrolmentTest, ARefusedStatementLeavesNothingHalfDone) {
    program.addChild(9, QStringLiteral("Μαρία"), QStringLiteral("Παπά"), {2007, 2, 6}, false);
    addPeriods(9, {{u"9/1/2009"_s, u"6/20/2010"_s, u"Μετακόμιση"_s}});
    EXPECT_THROW(children::reEnrol(program.connection, QStringLiteral("9"), QString()), db::Error);
    EXPECT_THROW(children::reEnrol(program.connection, QStringLiteral("9"), u"31/02/2011"_s),
                 db::Error);

    refuseUpdatesOfChildren();
    EXPECT_THROW(children::reEnrol(program.connection, QStringLiteral("9"), u"15/09/2010"_s),
                 db::Error);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN_EGG_DIAG"_s), 1);
    EXPECT_EQ(program.count(u"select count(*) from APODEIKSEIS_DIDAKTRWN"_s), 0);

    program.connection.executeNative(u"DROP TRIGGER refuse"_s);
    children::reEnrol(program.connection, QStringLiteral("9"), u"15/09/2010"_s);
    refuseUpdatesOfChildren();
    EXPECT_THROW(children::deEnrol(program.connection, QStringLiteral("9"), u"30/06/2011"_s,
                                   u"Τέλος"_s, u"15/09/2010"_s),
                 db::Error);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN_EGG_DIAG WHERE LOGOS_DIAGRAFHS IS "
                            u"NULL"_s),
              1);
}

TEST_F(EnrolmentTest, TheButtonsFollowTheOpenPeriodAndTheTypedText) {
    EXPECT_FALSE(children::deEnrolmentAllowed(0, QString()));
    EXPECT_TRUE(children::deEnrolmentAllowed(2, u"  "_s));
    EXPECT_FALSE(children::deEnrolmentAllowed(2, u"Μετακόμιση"_s));

    EXPECT_TRUE(children::deEnrolmentInputAccepted(u" 30/6/2011 "_s, u" Μετακόμιση "_s));
    EXPECT_FALSE(children::deEnrolmentInputAccepted(u"30/6/2011"_s, u"   "_s));
    EXPECT_FALSE(children::deEnrolmentInputAccepted(QString(), u"Μετακόμιση"_s));
    // A forbidden character in either field keeps the button disabled.
    EXPECT_FALSE(children::deEnrolmentInputAccepted(u"30/6/2011"_s, u"O'Brien"_s));
    EXPECT_FALSE(children::deEnrolmentInputAccepted(u"30-6-2011"_s, u"Μετακόμιση"_s));
}

TEST_F(EnrolmentTest, TheReportsListThePeriodsOfTheInterval) {
    program.addChild(1, QStringLiteral("Άννα"), QStringLiteral("Αντωνίου"), {2006, 1, 5});
    program.addChild(2, QStringLiteral("Νίκος"), QStringLiteral("Βασιλείου"), {2006, 2, 6});
    addPeriods(1, {{u"9/2/2010"_s, u"9/10/2010"_s, u"Α"_s},
                   {u"9/20/2010"_s, u"9/25/2010"_s, u"Β"_s},
                   {u"9/30/2010"_s, {}, {}}});
    addPeriods(2, {{u"8/31/2010"_s, u"9/15/2010"_s, u"Γ"_s}, {u"10/1/2010"_s, {}, {}}});

    EXPECT_EQ(listed(EnrolmentReport::Enrolments, u"01/09/2010"_s, u" 30/09/2010 "_s),
              QStringList({u"1 02/09/2010"_s, u"1 20/09/2010"_s, u"1 30/09/2010"_s}));
    EXPECT_EQ(listed(EnrolmentReport::DeEnrolments, u"01/01/2010"_s, u"31/12/2010"_s),
              QStringList({u"1 02/09/2010"_s, u"2 31/08/2010"_s, u"1 20/09/2010"_s}));
    // Begun before the interval and ended in it: not in the combined report.
    EXPECT_EQ(listed(EnrolmentReport::EnrolmentsAndDeEnrolments, u"01/09/2010"_s, u"30/09/2010"_s),
              QStringList({u"1 02/09/2010"_s, u"1 20/09/2010"_s}));
    EXPECT_THROW(listed(EnrolmentReport::Enrolments, u"01/09/2010"_s, QString()), db::Error);
}

TEST_F(EnrolmentTest, DeletionByBirthYearRemovesOnlyThatYearsCards) {
    EXPECT_EQ(children::birthYears(program.connection, {2026, 12, 9}).first(), u"2003"_s);
    EXPECT_EQ(children::birthYears(program.connection, {2026, 12, 9}).last(), u"2031"_s);
    EXPECT_EQ(children::birthYears(program.connection, {2010, 1, 1}).size(), 28);
    program.addChild(1, QStringLiteral("Άννα"), QStringLiteral("Αντωνίου"), {2004, 1, 5});
    program.addChild(2, QStringLiteral("Νίκος"), QStringLiteral("Βασιλείου"), {2004, 12, 31},
                     false);
    program.addChild(3, QStringLiteral("Ελένη"), QStringLiteral("Γεωργίου"), {2005, 1, 1});
    program.addChild(4, QStringLiteral("Πέτρος"), QStringLiteral("Δημητρίου"), {2001, 6, 1});
    addPeriods(1, {{u"9/1/2008"_s, {}, {}}});
    EXPECT_EQ(children::birthYears(program.connection, {2026, 12, 9}).first(), u"2001"_s);

    children::deleteChildrenBornIn(program.connection, u"2004"_s);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN"_s), 2);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN_EGG_DIAG"_s), 1);
    children::deleteChildrenBornIn(program.connection, u"2001"_s);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN WHERE ARITHMOS_MHTRWOY=3"_s), 1);
    EXPECT_EQ(program.count(u"select count(*) from CHILDREN"_s), 1);
}

}  // namespace
