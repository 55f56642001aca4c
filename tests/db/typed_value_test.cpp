#include <gtest/gtest.h>

#include "db/typed_value.h"

namespace {

// The comma is the decimal separator; a point only where it cannot group thousands.
TEST(TypedDecimal, TypedAmountsReadTheGreekWayAndAmbiguousOnesAreRefused) {
    const struct {
        const char* typed;
        double value;
    } accepted[] = {{" 17,50 ", 17.5}, {"1.20", 1.2},    {"1,20", 1.2},  {"57.50", 57.5},
                    {"0.5", 0.5},      {"0.125", 0.125}, {"1,200", 1.2}, {"1234.567", 1234.567},
                    {"1200", 1200},    {"-3,5", -3.5},   {",5", 0.5}};
    for (const auto& c : accepted) {
        bool ok = false;
        EXPECT_DOUBLE_EQ(db::parseDecimal(QString::fromUtf8(c.typed), &ok), c.value) << c.typed;
        EXPECT_TRUE(ok) << c.typed;
    }
    for (const char* typed : {"1.200", "12.500,00", "1,200.00", "1 200", "1.000,50", "999.999"}) {
        EXPECT_EQ(db::readTypedDecimal(QString::fromUtf8(typed)).reading,
                  db::DecimalReading::Grouped)
            << typed;
    }
    for (const char* typed : {"δέκα", "", " ", "1e5", "inf", "-", "12,5€"}) {
        EXPECT_EQ(db::readTypedDecimal(QString::fromUtf8(typed)).reading,
                  db::DecimalReading::NotANumber)
            << typed;
    }
}

}  // namespace
