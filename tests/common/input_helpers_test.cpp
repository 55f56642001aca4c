#include <gtest/gtest.h>

#include "common/date_literal.h"
#include "common/forbidden_characters.h"
#include "common/money.h"
#include "db/clock.h"
#include "db/typed_value.h"
#include "support/qt_printers.h"

namespace {

class DateLiteral : public ::testing::Test {
protected:
    void SetUp() override { db::Clock::set(QDateTime(QDate(2024, 6, 15), QTime(10, 0))); }
    void TearDown() override { db::Clock::reset(); }
};

QString literal(const char16_t* typed) {
    return common::dateLiteral(QString::fromUtf16(typed));
}

TEST_F(DateLiteral, TurnsTypedDatesIntoLiterals) {
    EXPECT_EQ(literal(u"28/03/2007"), u"#3/28/2007#");
    EXPECT_EQ(literal(u"1/1/2008"), u"#1/1/2008#");
    EXPECT_EQ(literal(u"28/3"), u"#3/28/2024#");
    EXPECT_EQ(literal(u"28/03/07"), u"#3/28/2007#");
    EXPECT_EQ(literal(u"28 / 03 / 2007"), u"#3/28/2007#");
    EXPECT_EQ(literal(u"28/03/2007/"), u"#3/28/2007#");
    EXPECT_EQ(literal(u"28/3/"), u"#3/28/2024#");
    EXPECT_EQ(literal(u"29/02/2024"), u"#2/29/2024#");
    EXPECT_EQ(literal(u"5/3/0207"), u"#3/5/207#");  // three or four digits: as written
}

TEST_F(DateLiteral, CompletesTwoDigitYearsAroundTheCurrentYear) {
    EXPECT_EQ(literal(u"1/1/74"), u"#1/1/1974#");
    EXPECT_EQ(literal(u"1/1/73"), u"#1/1/2073#");
    db::Clock::set(QDateTime(QDate(2099, 1, 1), QTime(0, 0)));
    EXPECT_EQ(literal(u"1/1/48"), u"#1/1/2148#");
    EXPECT_EQ(literal(u"1/1/49"), u"#1/1/2049#");
}

TEST_F(DateLiteral, LeavesTheErrorMarkerForAnythingThatIsNoDate) {
    for (const char16_t* typed : {u"31/02/2007", u"29/02/2023", u"28-03-2007", u"28/03/2007 10:30",
                                  u"", u"αβγ", u"28/13/2007", u"0/1/2007", u"28", u"28//2007",
                                  u"28/03/2007//", u"1/1/10000", u"1000/1/2007", u"28/03/2007x"}) {
        EXPECT_EQ(literal(typed), u"ERROR") << QString::fromUtf16(typed).toStdString();
    }
    QString text = QStringLiteral("1/1/2008");
    common::toDateLiteral(text);
    EXPECT_EQ(text, u"#1/1/2008#");
}

TEST(ForbiddenCharacters, RefusesTheThirtyOneAndNothingElse) {
    EXPECT_EQ(common::forbiddenCharacters().size(), 31);
    for (const char16_t* allowed :
         {u"", u"Μαρία Παπαδοπούλου", u"28/03/2007", u"12 34", u"abc XYZ"}) {
        EXPECT_TRUE(common::passesForbiddenCharacterTest(QString::fromUtf16(allowed)));
    }
    for (const char16_t* refused :
         {u"O'Brien", u"Παπα-δόπουλος", u"50%", u"a_b", u"κ.λπ", u"α,β"}) {
        EXPECT_FALSE(common::passesForbiddenCharacterTest(QString::fromUtf16(refused)));
    }
    for (QChar c : common::forbiddenCharacters()) {
        EXPECT_FALSE(common::passesForbiddenCharacterTest(QStringLiteral("ok") + c));
    }
}

TEST(Money, CentRoundingFollowsTheValueHeldInADoubleWithTiesToEven) {
    EXPECT_DOUBLE_EQ(common::centRound(2.625), 2.62);
    EXPECT_DOUBLE_EQ(common::centRound(8.775), 8.78);
    EXPECT_DOUBLE_EQ(common::centRound(0.025), 0.03);
    EXPECT_DOUBLE_EQ(common::centRound(0.125), 0.12);
}

// VAT and Cyprus-pound figures of tuition payments, computed step by step as the payment does.
struct Payment {
    double amount;
    double rate;
    double vat;
    double total;
    double cyp;
    double cypVat;
    double cypTotal;
};

TEST(Money, PaymentFiguresComeOutAsOnTheReceipts) {
    const Payment payments[] = {
        {100, 15, 15, 115, 58.53, 8.78, 67.31},
        {33.333, 15, 5, 38.333, 19.51, 2.93, 22.44},
        {120, 0, 0, 120, 70.23, 0, 70.23},
    };
    for (const Payment& p : payments) {
        bool ok = false;
        const double vat = common::centRound(common::extendedPercent(p.amount, p.rate));
        const double cyp = common::centRound(common::extendedProduct(p.amount, common::kCypRate));
        const double cypVat = common::centRound(
            common::extendedPercent(db::parseDecimal(common::statementNumber(cyp), &ok), p.rate));
        EXPECT_DOUBLE_EQ(vat, p.vat);
        EXPECT_DOUBLE_EQ(db::parseDecimal(common::statementNumber(vat), &ok) + p.amount, p.total);
        EXPECT_DOUBLE_EQ(cyp, p.cyp);
        EXPECT_DOUBLE_EQ(cypVat, p.cypVat);
        EXPECT_DOUBLE_EQ(common::centRound(cyp + cypVat), p.cypTotal);
    }
    EXPECT_DOUBLE_EQ(common::centRound(common::extendedPercent(17.50, 15)), 2.62);
    EXPECT_DOUBLE_EQ(common::centRound(common::extendedPercent(58.50, 15)), 8.78);
    EXPECT_DOUBLE_EQ(common::centRound(common::extendedPercent(87.50, 19)), 16.62);
    EXPECT_DOUBLE_EQ(common::centRound(common::extendedPercent(0.50, 5)), 0.03);
    EXPECT_DOUBLE_EQ(common::centRound(common::extendedProduct(7500.00, common::kCypRate)),
                     4389.56);
}

TEST(Money, StatementNumbersAreShortestWithAPoint) {
    EXPECT_EQ(common::statementNumber(7.5), u"7.5");
    EXPECT_EQ(common::statementNumber(115.0), u"115");
    EXPECT_EQ(common::statementNumber(0.0), u"0");
    EXPECT_EQ(common::statementNumber(-0.0), u"0");
    EXPECT_EQ(common::statementNumber(38.333), u"38.333");
    EXPECT_EQ(common::statementNumber(0.1 + 0.2), u"0.3");
}

}  // namespace
