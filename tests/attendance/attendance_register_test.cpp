// Building the monthly attendance register, on a real delivered database.
#include <gtest/gtest.h>

#include "attendance/attendance_register.h"
#include "attendance_fixture.h"
#include "db/error.h"

using namespace Qt::StringLiterals;

namespace {

using attendancetest::AttendanceDatabase;

class Register : public ::testing::Test {
protected:
    void build(const QString& year, int month) {
        const auto request = attendance::registerMonth(year, month);
        ASSERT_TRUE(request);
        int done = 0;
        int total = -1;
        attendance::buildRegister(database.connection(), *request, [&](int d, int t) {
            EXPECT_GE(d, done);
            done = d;
            total = t;
        });
        EXPECT_EQ(done, total);  // the progress dialog closes
    }

    AttendanceDatabase database;
};

TEST_F(Register, MarksTheMonthsAbsencesOfActiveChildrenOnly) {
    database.addChild(12, u"Άννα"_s, u"Ιωάννου"_s);
    database.addChild(13, u"Νίκος"_s, u"Αλεξίου"_s);
    database.addChild(14, u"Ελένη"_s, u"Δήμου"_s, false);  // de-enrolled before the build
    database.addAbsences(12, {u"3/3/2011"_s, u"3/17/2011"_s, u"4/5/2011"_s, u"3/9/2010"_s});
    database.addAbsences(14, {u"3/3/2011"_s});
    database.connection().execute(  // what an earlier build left
        u"INSERT INTO APOYSIES_TEMP(ARITHMOS_MHTRWOY,M1) VALUES(99,'Α')"_s);

    build(u" 2011 "_s, 3);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({3, 17}));
    EXPECT_EQ(database.marks(13), AttendanceDatabase::expectedMarks({}));
    EXPECT_EQ(database.marks(14), QString());
    EXPECT_EQ(database.marks(99), QString());
    EXPECT_EQ(database.count(u"SELECT COUNT(*) FROM APOYSIES_TEMP"_s), 2);
    EXPECT_EQ(database.titleLines(),
              (QStringList{u"ΠΑΡΟΥΣΙΟΛΟΓΙΟ"_s, u"Σχολική χρονιά: 2011, Μήνας: Μάρτιος"_s}));

    // A second absence the same day is refused; the day stays one mark.
    EXPECT_THROW(database.addAbsences(12, {u"3/3/2011"_s}), db::Error);
    build(u"2011"_s, 3);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({3, 17}));
}

TEST_F(Register, DaysTheMonthDoesNotHaveStayBlank) {
    database.addChild(12, u"Άννα"_s, u"Ιωάννου"_s);
    database.addAbsences(12, {u"2/29/2012"_s, u"2/28/2010"_s});
    build(u"2012"_s, 2);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({29}, 2));
    build(u"2010"_s, 2);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({28}, 3));
    build(u"2010"_s, 4);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({}, 1));
    build(u"2010"_s, 12);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({}));
}

TEST_F(Register, AFailedBuildLeavesThePreviousRegisterWhole) {
    database.addChild(12, u"Άννα"_s, u"Ιωάννου"_s);
    database.addChild(13, u"Νίκος"_s, u"Αλεξίου"_s);
    database.addAbsences(12, {u"3/3/2011"_s, u"5/2/2011"_s, u"5/17/2011"_s});
    build(u"2011"_s, 3);
    // The engine refuses the second mark of May, after the title, the emptying and the first
    // mark were done.
    database.connection().executeNative(
        u"CREATE TRIGGER refuse_17 BEFORE UPDATE OF M17 ON APOYSIES_TEMP WHEN NEW.M17='Α' "
        "BEGIN SELECT RAISE(ABORT, 'planted'); END"_s);
    database.addChild(15, u"Ελένη"_s, u"Δήμου"_s);

    const auto may = attendance::registerMonth(u"2011"_s, 5);
    EXPECT_THROW(attendance::buildRegister(database.connection(), *may), db::Error);
    EXPECT_EQ(database.marks(12), AttendanceDatabase::expectedMarks({3}));
    EXPECT_EQ(database.marks(15), QString());
    EXPECT_EQ(database.titleLines().last(), u"Σχολική χρονιά: 2011, Μήνας: Μάρτιος"_s);
}

}  // namespace
