#include <gtest/gtest.h>

#include "app/date_literal.h"
#include "app/forbidden_characters.h"
#include "app/money.h"
#include "db/typed_value.h"
#include "db/clock.h"
#include "support/qt_printers.h"

namespace {

class DateLiteral : public ::testing::Test {
protected:
    void SetUp() override { db::Clock::set(QDateTime(QDate(2024, 6, 15), QTime(10, 0))); }
    void TearDown() override { db::Clock::reset(); }
};

QString literal(const char16_t* typed) { return app::dateLiteral(QString::fromUtf16(typed)); }

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
    app::toDateLiteral(text);
    EXPECT_EQ(text, u"#1/1/2008#");
}

TEST(ForbiddenCharacters, RefusesTheThirtyOneAndNothingElse) {
    EXPECT_EQ(app::forbiddenCharacters().size(), 31);
    for (const char16_t* allowed : {u"", u"Μαρία Παπαδοπούλου", u"28/03/2007", u"12 34", u"abc XYZ"}) {
        EXPECT_TRUE(app::passesForbiddenCharacterTest(QString::fromUtf16(allowed)));
    }
    for (const char16_t* refused : {u"O'Brien", u"Παπα-δόπουλος", u"50%", u"a_b", u"κ.λπ", u"α,β"}) {
        EXPECT_FALSE(app::passesForbiddenCharacterTest(QString::fromUtf16(refused)));
    }
    for (QChar c : app::forbiddenCharacters()) {
        EXPECT_FALSE(app::passesForbiddenCharacterTest(QStringLiteral("ok") + c));
    }
}

TEST(Money, CentRoundingFollowsTheValueHeldInADoubleWithTiesToEven) {
    EXPECT_DOUBLE_EQ(app::centRound(2.625), 2.62);
    EXPECT_DOUBLE_EQ(app::centRound(8.775), 8.78);
    EXPECT_DOUBLE_EQ(app::centRound(0.025), 0.03);
    EXPECT_DOUBLE_EQ(app::centRound(0.125), 0.12);
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
        const double vat = app::centRound(app::extendedPercent(p.amount, p.rate));
        const double cyp = app::centRound(app::extendedProduct(p.amount, app::kCypRate));
        const double cypVat = app::centRound(
            app::extendedPercent(app::parseAmount(app::statementNumber(cyp), &ok), p.rate));
        EXPECT_DOUBLE_EQ(vat, p.vat);
        EXPECT_DOUBLE_EQ(app::parseAmount(app::statementNumber(vat), &ok) + p.amount, p.total);
        EXPECT_DOUBLE_EQ(cyp, p.cyp);
        EXPECT_DOUBLE_EQ(cypVat, p.cypVat);
        EXPECT_DOUBLE_EQ(app::centRound(cyp + cypVat), p.cypTotal);
    }
    EXPECT_DOUBLE_EQ(app::centRound(app::extendedPercent(17.50, 15)), 2.62);
    EXPECT_DOUBLE_EQ(app::centRound(app::extendedPercent(58.50, 15)), 8.78);
    EXPECT_DOUBLE_EQ(app::centRound(app::extendedPercent(87.50, 19)), 16.62);
    EXPECT_DOUBLE_EQ(app::centRound(app::extendedPercent(0.50, 5)), 0.03);
    EXPECT_DOUBLE_EQ(app::centRound(app::extendedProduct(7500.00, app::kCypRate)), 4389.56);
}

TEST(Money, StatementNumbersAreShortestWithAPoint) {
    EXPECT_EQ(app::statementNumber(7.5), u"7.5");
    EXPECT_EQ(app::statementNumber(115.0), u"115");
    EXPECT_EQ(app::statementNumber(0.0), u"0");
    EXPECT_EQ(app::statementNumber(-0.0), u"0");
    EXPECT_EQ(app::statementNumber(38.333), u"38.333");
    EXPECT_EQ(app::statementNumber(0.1 + 0.2), u"0.3");
}

// The comma is the decimal separator; a point only where it cannot group thousands.
TEST(Money, TypedAmountsReadTheGreekWayAndAmbiguousOnesAreRefused) {
    const struct {
        const char* typed;
        double value;
    } accepted[] = {{" 17,50 ", 17.5}, {"1.20", 1.2},       {"1,20", 1.2},   {"57.50", 57.5},
                    {"0.5", 0.5},      {"0.125", 0.125},    {"1,200", 1.2},  {"1234.567", 1234.567},
                    {"1200", 1200},    {"-3,5", -3.5},      {",5", 0.5}};
    for (const auto& c : accepted) {
        bool ok = false;
        EXPECT_DOUBLE_EQ(app::parseAmount(QString::fromUtf8(c.typed), &ok), c.value) << c.typed;
        EXPECT_TRUE(ok) << c.typed;
    }
    for (const char* typed : {"1.200", "12.500,00", "1,200.00", "1 200", "1.000,50", "999.999"}) {
        EXPECT_EQ(db::readTypedDecimal(QString::fromUtf8(typed)).reading, db::DecimalReading::Grouped)
            << typed;
    }
    for (const char* typed : {"δέκα", "", " ", "1e5", "inf", "-", "12,5€"}) {
        EXPECT_EQ(db::readTypedDecimal(QString::fromUtf8(typed)).reading,
                  db::DecimalReading::NotANumber)
            << typed;
    }
}

}  // namespace
