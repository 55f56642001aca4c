#include <gtest/gtest.h>

#include <QRegularExpression>

#include "common/date_literal.h"
#include "common/forbidden_characters.h"
#include "db/clock.h"
#include "db/error.h"
#include "db/query.h"
#include "db/transaction.h"
#include "db/typed_value.h"
#include "support/delivered_database.h"
#include "support/property.h"

using namespace Qt::StringLiterals;

namespace {

class InputHelperProperties : public ::testing::Test {
protected:
    void SetUp() override { db::Clock::set(QDateTime(QDate(2024, 6, 15), QTime(10, 0))); }
    void TearDown() override { db::Clock::reset(); }

    testsupport::PropertyInputs inputs;
    testsupport::DeliveredDatabase database;
    // The rows written to check a value are never kept: no waiting for the disk.
    db::Transaction scratch{database.connection()};
};

// Typed dates, random and edited real ones: the helper writes "ERROR" or the literal of a real
// calendar date, the same date the date fields read, and the engine stores it as that date.
TEST_F(InputHelperProperties, ADateLiteralIsErrorOrARealCalendarDate) {
    SCOPED_TRACE(inputs.replay());
    static const QRegularExpression literalForm(u"^#(\\d{1,2})/(\\d{1,2})/(\\d{1,4})#$"_s);
    const QList<QString> typed = {u"28/12/2007"_s, u"1/1/08"_s,          u"29/2/2024"_s,
                                  u"31/12/1999"_s, u" 3 / 4 / 2023 /"_s, u"15/3"_s,
                                  u"5/6/"_s,       u"07/08/9"_s,         u"30/4/0207"_s};
    const QString keys = u"0123456789/ //-.,aΑ"_s;
    int dates = 0;
    for (int run = 0; run < inputs.runs(20000); ++run) {
        const QString text = inputs.chance(50) ? inputs.mutated(inputs.oneOf(typed), keys, 3)
                                               : inputs.text(keys, 12);
        SCOPED_TRACE(text.toStdString());
        const QString literal = common::dateLiteral(text);
        if (literal == common::dateLiteralError()) {
            ASSERT_FALSE(db::parseTypedDate(text).isValid());
            continue;
        }
        const QRegularExpressionMatch match = literalForm.match(literal);
        ASSERT_TRUE(match.hasMatch()) << literal.toStdString();
        const QDate date(match.captured(3).toInt(), match.captured(1).toInt(),
                         match.captured(2).toInt());
        ASSERT_TRUE(date.isValid()) << literal.toStdString();
        ASSERT_EQ(db::parseTypedDate(text), date);
        if (++dates % 20 == 0) {
            database.connection().execute(
                u"INSERT INTO REMINDER(HMEROMHNIA) VALUES(%1)"_s.arg(literal));
            ASSERT_EQ(
                db::scalar(database.connection(), u"SELECT HMEROMHNIA FROM REMINDER"_s).toDate(),
                date);
            database.connection().execute(u"DELETE FROM REMINDER"_s);
        }
    }
    EXPECT_GT(dates, inputs.runs(20000) / 20);

    // Every day of the calendar, written as the program shows dates, comes back as itself.
    for (int run = 0; run < inputs.runs(5000); ++run) {
        const QDate day = QDate(1, 1, 1).addDays(inputs.number(0, 3652058));
        ASSERT_EQ(common::dateLiteral(common::shortDate(day)),
                  u"#%1/%2/%3#"_s.arg(day.month()).arg(day.day()).arg(day.year()));
    }
    EXPECT_THROW(db::scalar(database.connection(),
                            u"SELECT count(*) FROM REMINDER WHERE HMEROMHNIA=%1"_s.arg(
                                common::dateLiteral(u"31/2/2024"_s))),
                 db::Error);
}

// Text that passes the test goes into a statement between quotes and comes back unchanged: it
// cannot end the quoted text, start a comment or a literal, or act as a wildcard there.
TEST_F(InputHelperProperties, TextThatPassesTheForbiddenCharacterTestStaysOneQuotedValue) {
    SCOPED_TRACE(inputs.replay());
    const QString forbidden = common::forbiddenCharacters();
    const QString keys = forbidden + u"αβγΆΐώςΣ abcXYZ0123456789/«»€\t\n@©"_s;
    int passed = 0;
    for (int run = 0; run < inputs.runs(20000); ++run) {
        const QString text = inputs.text(keys, 10);
        SCOPED_TRACE(text.toStdString());
        bool noneForbidden = true;
        for (QChar c : text) {
            noneForbidden = noneForbidden && common::passesForbiddenCharacterTest(QString(c));
        }
        ASSERT_EQ(common::passesForbiddenCharacterTest(text), noneForbidden);
        if (!noneForbidden) {
            continue;
        }
        QString withOne = text;
        withOne.insert(inputs.number(0, static_cast<int>(text.size())), inputs.oneOf(forbidden));
        ASSERT_FALSE(common::passesForbiddenCharacterTest(withOne));
        if (++passed % 10 == 0) {
            database.connection().execute(
                u"INSERT INTO NOTES(TITLE,KEIMENO) VALUES('%1','x')"_s.arg(text));
            ASSERT_EQ(db::scalar(database.connection(), u"SELECT TITLE FROM NOTES"_s).toString(),
                      text);
            ASSERT_EQ(db::scalar(database.connection(),
                                 u"SELECT count(*) FROM NOTES WHERE TITLE LIKE '%1'"_s.arg(text))
                          .toInt(),
                      1);
            database.connection().execute(u"DELETE FROM NOTES"_s);
        }
    }
    EXPECT_GT(passed, 100);
}

}  // namespace
