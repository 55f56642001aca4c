#include <gtest/gtest.h>

#include "organiser/date_utilities.h"

namespace {

using organiser::find_pasxa;

TEST(Easter, GivesTheOrthodoxSundayAtTheExtremesAndTheMonthChange) {
    EXPECT_EQ(find_pasxa(2010), QStringLiteral("είναι 4 Απριλίου"));
    EXPECT_EQ(find_pasxa(1983), QStringLiteral("είναι 8 Μαϊου"));
    EXPECT_EQ(find_pasxa(2000), QStringLiteral("είναι 30 Απριλίου"));
    EXPECT_EQ(find_pasxa(2016), QStringLiteral("είναι 1 Μαϊου"));
    EXPECT_EQ(find_pasxa(2023), QStringLiteral("είναι 16 Απριλίου"));
    EXPECT_EQ(find_pasxa(2024), QStringLiteral("είναι 5 Μαϊου"));
    EXPECT_EQ(find_pasxa(2025), QStringLiteral("είναι 20 Απριλίου"));
    EXPECT_EQ(find_pasxa(2008), QStringLiteral("είναι 27 Απριλίου"));
}

// From 1 March 2100 the Julian calendar runs 14 days behind the Gregorian, not 13: the Julian
// Easter of 18 April 2100 is the Gregorian 2 May. Likewise 10 days in 1583 (31 March Julian).
TEST(Easter, FollowsTheGapBetweenTheCalendarsOutsideThe1900s) {
    EXPECT_EQ(organiser::orthodoxEaster(2100), QDate(2100, 5, 2));
    EXPECT_EQ(find_pasxa(2100), QStringLiteral("είναι 2 Μαϊου"));
    EXPECT_EQ(organiser::orthodoxEaster(1583), QDate(1583, 4, 10));
}

// For 1900..2099 the gap is a fixed 13 days, so the short formula with "+ 3" holds there; the
// two ways of computing must agree on every one of those years.
TEST(Easter, AgreesWithTheFixedGapFormulaFrom1900To2099) {
    for (int year = 1900; year <= 2099; ++year) {
        const int a = year % 19;
        const int b = year % 4;
        const int k = year % 7;
        const int d = (19 * a + 16) % 30;
        const int e = (2 * b + 4 * k + 6 * d) % 7;
        const int n = d + e + 3;
        const QDate expected = n <= 30 ? QDate(year, 4, n) : QDate(year, 5, n - 30);
        EXPECT_EQ(organiser::orthodoxEaster(year), expected) << year;
    }
}

TEST(Easter, IsEmptyOutsideTheAcceptedYears) {
    EXPECT_TRUE(find_pasxa(1582).isEmpty());
    EXPECT_TRUE(find_pasxa(2101).isEmpty());
    EXPECT_TRUE(find_pasxa(0).isEmpty());
}

TEST(EasterYearBox, ReadsItsTextAndClampsToTheAcceptedYears) {
    EXPECT_EQ(organiser::easterYearFromText(QStringLiteral("2024")), 2024);
    EXPECT_EQ(organiser::easterYearFromText(QStringLiteral("")), 1583);
    EXPECT_EQ(organiser::easterYearFromText(QStringLiteral("20a4")), 1583);
    EXPECT_EQ(organiser::clampEasterYear(1582), 1583);
    EXPECT_EQ(organiser::clampEasterYear(2101), 2100);
    EXPECT_EQ(organiser::clampEasterYear(1999), 1999);
}

TEST(DayCount, CountsWholeDaysAcrossLeapDaysAndIsEmptyUnlessTheSecondDateIsLater) {
    const QDate first(2024, 1, 1);
    EXPECT_EQ(organiser::dayCountText(first, QDate(2024, 1, 2)),
              QStringLiteral("Αριθμός ημερών=1"));
    EXPECT_EQ(organiser::dayCountText(first, QDate(2024, 3, 1)),
              QStringLiteral("Αριθμός ημερών=60"));
    EXPECT_EQ(organiser::dayCountText(QDate(2023, 1, 1), QDate(2023, 3, 1)),
              QStringLiteral("Αριθμός ημερών=59"));
    EXPECT_TRUE(organiser::dayCountText(first, first).isEmpty());
    EXPECT_TRUE(organiser::dayCountText(QDate(2024, 3, 1), first).isEmpty());
}

}  // namespace
