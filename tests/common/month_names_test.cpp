// The month names the program writes, checked against the Greek names the toolkit's locale
// data carries (its stand-alone names are nominative, its date names genitive), and May's
// older spelling where the program has always used it.
#include <gtest/gtest.h>

#include <QLocale>

#include "common/month_names.h"

using common::MaySpelling;
using common::MonthCase;

TEST(MonthNames, BothCasesAreTheGreekNamesOfTheMonths) {
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(common::monthName(month), greek.standaloneMonthName(month));
        EXPECT_EQ(common::monthName(month, MonthCase::Genitive), greek.monthName(month));
        if (month != 5) {
            EXPECT_EQ(common::monthName(month, MonthCase::Genitive, MaySpelling::Diaeresis),
                      greek.monthName(month));
        }
    }
    EXPECT_EQ(common::monthName(12, MonthCase::Genitive), QStringLiteral("Δεκεμβρίου"));
    EXPECT_EQ(common::monthName(5), QStringLiteral("Μάιος"));
    EXPECT_EQ(common::monthName(5, MonthCase::Nominative, MaySpelling::Diaeresis),
              QStringLiteral("Μάϊος"));
    EXPECT_EQ(common::monthName(5, MonthCase::Genitive, MaySpelling::Diaeresis),
              QStringLiteral("Μαϊου"));
    EXPECT_EQ(common::monthName(0), QString());
    EXPECT_EQ(common::monthName(13, MonthCase::Genitive), QString());
}
