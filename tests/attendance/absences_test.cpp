// Recording absences and the absence check, on a real delivered database.
#include <gtest/gtest.h>

#include "attendance/absences.h"
#include "attendance_fixture.h"
#include "db/error.h"

using namespace Qt::StringLiterals;

namespace {

class Absences : public ::testing::Test {
protected:
    QStringList listedDays(const QString& child) {
        db::Query days(database.connection(), attendance::absencesStatement(child));
        days.open();
        QStringList listed;
        for (int row = 0; row < days.rowCount(); ++row) {
            listed << days.valueAt(row, 1).toDate().toString(u"d/M/yyyy"_s);
        }
        return listed;
    }

    QList<int> checked(const QString& from, const QString& to, const QString& lowest,
                       const QString& highest) {
        const auto request = attendance::absenceCheck(from, to, lowest, highest);
        EXPECT_TRUE(request);
        db::Query found(database.connection(), request->statement);
        found.open();
        QList<int> numbers;
        for (int row = 0; row < found.rowCount(); ++row) {
            numbers << found.valueAt(row, 0).toInt();
        }
        return numbers;
    }

    attendancetest::AttendanceDatabase database;
};

// The same child and day twice is refused by the table's key: the register would count a day
// once anyway, and the list would show it twice.
TEST_F(Absences, RecordedDaysListLatestFirstAndRefusedDaysInsertNothing) {
    database.addChild(12, u"Άννα"_s, u"Ιωάννου"_s);
    attendance::recordAbsence(database.connection(), u"12"_s, u" 03/05/2010 "_s);
    attendance::recordAbsence(database.connection(), u"12"_s, u"04/05/2010"_s);
    EXPECT_EQ(listedDays(u"12"_s), (QStringList{u"4/5/2010"_s, u"3/5/2010"_s}));

    for (const QString& refused : {u"31/02/2010"_s, u""_s, u"04/05/2010"_s}) {
        EXPECT_THROW(attendance::recordAbsence(database.connection(), u"12"_s, refused), db::Error)
            << refused.toStdString();
    }
    EXPECT_EQ(database.count(u"SELECT COUNT(*) FROM APOYSIES"_s), 2);
}

TEST_F(Absences, CheckCountsAbsencesInThePeriodWhetherTheChildLeftOrNot) {
    database.addChild(1, u"Άννα"_s, u"Γεωργίου"_s);
    database.addChild(2, u"Νίκος"_s, u"Αλεξίου"_s, false);
    database.addChild(3, u"Μαρία"_s, u"Βλάχου"_s);
    database.addChild(4, u"Ελένη"_s, u"Δήμου"_s);
    database.addAbsences(1, {u"5/3/2010"_s, u"5/4/2010"_s, u"5/31/2010"_s, u"6/1/2010"_s});
    database.addAbsences(2, {u"5/1/2010"_s, u"5/10/2010"_s, u"5/11/2010"_s});
    database.addAbsences(3, {u"5/3/2010"_s, u"4/30/2010"_s});

    EXPECT_EQ(checked(u"01/05/2010"_s, u"31/05/2010"_s, u"3"_s, u"99"_s), (QList<int>{2, 1}));
    EXPECT_EQ(checked(u"01/05/2010"_s, u"31/05/2010"_s, u"0"_s, u"1"_s), (QList<int>{3}));
    EXPECT_EQ(checked(u" 31/05/2010"_s, u"01/05/2010 "_s, u" 0"_s, u"99 "_s), QList<int>{});

    // A date that is not one fails the check; what the window then says, its test shows.
    EXPECT_FALSE(attendance::absenceCheck(u"01/05/2010"_s, u"31/02/2010"_s, u"0"_s, u"9"_s));
}

}  // namespace
