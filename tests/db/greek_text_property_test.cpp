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

int sign(int order) {
    return (order > 0) - (order < 0);
}

int keyOrder(const QString& a, const QString& b) {
    return sign(db::comparisonKey(a).compare(db::comparisonKey(b)));
}

// Accented, capital and final forms, separate combining accents, letters past the Greek and
// Latin ranges, a character above U+FFFF and U+0000.
const QString kNameLetters = u"αάΑΆεέΈιίϊΐΪυΰϋσςΣωώΩὠᾧaáAÀeéEçÇñ Д日\u0301\u0308'-."_s +
                             QString(QChar(0)) + QString::fromUcs4(U"\U0001F600\U00010348", 2);

// The collation compares without building keys; it must give the order of the keys: on UTF-16
// texts, on the UTF-8 the engine hands over (valid or not), and in the engine's ORDER BY.
TEST(GreekCollationProperties, OrdersAsTheComparisonKeys) {
    // Every UTF-16 unit against its own key and the units either side of it.
    for (char32_t point = 0; point <= 0xFFFF; ++point) {
        const QString one(QChar(static_cast<char16_t>(point)));
        const QString key = db::comparisonKey(one);
        const char16_t unit = key.isEmpty() ? 1 : key.at(0).unicode();
        for (const QString& other :
             {key, QString(QChar(char16_t(unit - 1))), QString(QChar(char16_t(unit + 1)))}) {
            ASSERT_EQ(sign(db::compareGreek(one, other)), keyOrder(one, other)) << int(point);
        }
    }
    testsupport::PropertyInputs inputs;
    SCOPED_TRACE(inputs.replay());
    for (int run = 0; run < inputs.runs(20000); ++run) {
        const QString a = inputs.text(kNameLetters, 10);
        const QString b =
            inputs.chance(50) ? inputs.mutated(a, kNameLetters, 2) : inputs.text(kNameLetters, 10);
        const int expected = keyOrder(a, b);
        ASSERT_EQ(sign(db::compareGreek(a, b)), expected)
            << a.toStdString() << " / " << b.toStdString();
        QByteArray utf8A = a.toUtf8();
        QByteArray utf8B = b.toUtf8();
        if (inputs.chance(20) && !utf8A.isEmpty()) {
            utf8A[inputs.number(0, int(utf8A.size()) - 1)] = char(inputs.number(0x80, 0xFF));
        }
        ASSERT_EQ(sign(db::compareGreekUtf8(utf8A.constData(), int(utf8A.size()), utf8B.constData(),
                                            int(utf8B.size()))),
                  keyOrder(QString::fromUtf8(utf8A), QString::fromUtf8(utf8B)))
            << utf8A.toHex().toStdString() << " / " << utf8B.toHex().toStdString();
    }

    testsupport::DeliveredDatabase database;
    QStringList names;
    for (int i = 0; i < 300; ++i) {
        names.append(inputs.text(kNameLetters.left(kNameLetters.indexOf(QChar(0))), 8));
        database.connection().execute(
            u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,EPWNYMO_PAIDIOY) VALUES(%1,'%2')"_s.arg(i + 1)
                .arg(QString(names.last()).replace(u'\'', u"''"_s)));
    }
    db::Query sorted(
        database.connection(),
        u"SELECT EPWNYMO_PAIDIOY FROM CHILDREN ORDER BY EPWNYMO_PAIDIOY COLLATE GREEK"_s);
    sorted.open();
    ASSERT_EQ(sorted.rowCount(), names.size());
    for (int i = 1; i < sorted.rowCount(); ++i) {
        EXPECT_LE(keyOrder(sorted.valueAt(i - 1, 0).toString(), sorted.valueAt(i, 0).toString()),
                  0);
    }
}

}  // namespace
