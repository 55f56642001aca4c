#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <vector>

#include "db/greek_text.h"
#include "db/query.h"
#include "support/delivered_database.h"
#include "support/property.h"

using namespace Qt::StringLiterals;

namespace {

// LIKE as a table of which pattern prefixes match which text prefixes, on the comparison keys.
bool referenceLike(const QString& text, const QString& pattern) {
    const QString t = db::comparisonKey(text);
    const QString p = db::comparisonKey(pattern);
    std::vector<std::vector<char>> matches(p.size() + 1, std::vector<char>(t.size() + 1, 0));
    matches[0][0] = 1;
    for (qsizetype i = 1; i <= p.size(); ++i) {
        for (qsizetype j = 0; j <= t.size(); ++j) {
            const QChar c = p.at(i - 1);
            if (c == u'%') {
                matches[i][j] = matches[i - 1][j] || (j > 0 && matches[i][j - 1]);
            } else if (j > 0) {
                matches[i][j] = matches[i - 1][j - 1] && (c == u'_' || c == t.at(j - 1));
            }
        }
    }
    return matches[p.size()][t.size()];
}

// Few letters, in several accented, capital and final forms, so that matches are frequent.
const QString kTextLetters = u"αάΑΆσςΣιίϊΐΙbB %_"_s;
const QString kPatternLetters = u"αάΑσςΣιϊΐbB%%%__"_s;

TEST(GreekLikeProperties, AgreesWithAReferenceMatcherInMemoryAndInTheEngine) {
    testsupport::PropertyInputs inputs;
    SCOPED_TRACE(inputs.replay());
    testsupport::DeliveredDatabase database;
    int matched = 0;
    for (int run = 0; run < inputs.runs(20000); ++run) {
        const QString text = inputs.text(kTextLetters, 12);
        const QString pattern = inputs.chance(30) ? inputs.mutated(text, kPatternLetters, 4)
                                                  : inputs.text(kPatternLetters, 8);
        const bool expected = referenceLike(text, pattern);
        ASSERT_EQ(db::likeGreek(text, pattern), expected)
            << text.toStdString() << " LIKE " << pattern.toStdString();
        matched += expected ? 1 : 0;
        if (run % 50 == 0) {
            ASSERT_EQ(
                db::scalar(database.connection(), u"SELECT '%1' LIKE '%2'"_s.arg(text, pattern))
                    .toBool(),
                expected)
                << text.toStdString() << " LIKE " << pattern.toStdString();
        }
    }
    EXPECT_GT(matched, inputs.runs(20000) / 20);
}

// Patterns with many % groups that almost match a long text: a matcher that tries every way of
// sharing the text among the groups takes longer than anyone waits.
TEST(GreekLikeProperties, ManyPercentGroupsTakeNoExponentialTime) {
    testsupport::DeliveredDatabase database;
    const QString text = QString(3000, u'α');
    database.connection().execute(
        u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,EPWNYMO_PAIDIOY) VALUES(1,'%1')"_s.arg(text));
    QElapsedTimer timer;
    timer.start();
    for (int groups = 2; groups <= 40; groups += 2) {
        const QString pattern = QString(u"%α"_s).repeated(groups) + u"%β"_s;
        EXPECT_FALSE(db::likeGreek(text, pattern));
        EXPECT_TRUE(db::likeGreek(text, QString(u"%ά_"_s).repeated(groups) + u'%'));
        EXPECT_EQ(db::scalar(database.connection(),
                             u"SELECT count(*) FROM CHILDREN WHERE EPWNYMO_PAIDIOY LIKE '%1'"_s.arg(
                                 pattern))
                      .toInt(),
                  0);
    }
    // Work in proportion to text times pattern is far below a second, even with sanitizers.
    EXPECT_LT(timer.elapsed(), 5000);
}

}  // namespace
