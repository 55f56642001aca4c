// The sample data of the database maker: a database the program can work on, with every row
// consistent the way the program itself would have left it.

#include <gtest/gtest.h>

#include <QSet>

#include "common/forbidden_characters.h"
#include "common/money.h"
#include "db/query.h"
#include "support/delivered_database.h"
#include "tools/sample_data.h"

using namespace Qt::Literals::StringLiterals;

namespace {

sample::Options smallHistory(quint32 seed) {
    sample::Options options;
    options.seed = seed;
    options.children = 90;
    options.years = 3;
    options.until = QDate(2011, 3, 15);
    options.firstReceiptNumber = 41;
    return options;
}

// Rows of a query, values by column name.
QList<QVariantMap> rows(db::Connection& connection, const QString& statement) {
    db::Query query(connection, statement);
    query.open();
    QList<QVariantMap> result;
    for (int row = 0; row < query.rowCount(); ++row) {
        QVariantMap values;
        for (const QString& name : query.columnNames()) {
            values.insert(name, query.valueAt(row, query.columnIndex(name)));
        }
        result << values;
    }
    return result;
}

int count(db::Connection& connection, const QString& statement) {
    return db::scalar(connection, statement).toInt();
}

// Every row of every table as text, in the order written.
QString contentOf(db::Connection& connection) {
    QString content;
    for (const QVariantMap& table :
         rows(connection, u"SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"_s)) {
        db::Query query(connection,
                        u"SELECT * FROM \"%1\" ORDER BY rowid"_s.arg(table[u"name"_s].toString()));
        query.open();
        for (int row = 0; row < query.rowCount(); ++row) {
            for (int column = 0; column < query.columnCount(); ++column) {
                content += query.textAt(row, column) + u'|';
            }
        }
    }
    return content;
}

class SampleData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        database_ = new testsupport::DeliveredDatabase;
        summary_ = sample::fillSampleData(database_->connection(), smallHistory(7));
    }
    static void TearDownTestSuite() {
        delete database_;
        database_ = nullptr;
    }

    db::Connection& connection = database_->connection();
    const sample::Summary& summary = summary_;

private:
    static inline testsupport::DeliveredDatabase* database_ = nullptr;
    static inline sample::Summary summary_;
};

}  // namespace

TEST_F(SampleData, FillsEveryTableButTheTwoRebuiltForEachRequest) {
    for (const QVariantMap& table : rows(connection,
                                         u"SELECT name FROM sqlite_master WHERE "
                                         "type = 'table' AND name <> 'sqlite_sequence'"_s)) {
        const QString name = table[u"name"_s].toString();
        const int filled = count(connection, u"SELECT COUNT(*) FROM "_s + name);
        if (name == u"APOYSIES_TEMP" || name == u"DIDAKTRA_TEMP") {
            EXPECT_EQ(filled, 0) << name.toStdString();
        } else if (QStringList{u"APODEIKSH_LAST"_s, u"SECURE"_s, u"PERIGRAFH"_s,
                               u"SYNTELESTHS_VAT"_s, u"INFORMATION"_s}
                       .contains(name)) {
            EXPECT_EQ(filled, 1) << name.toStdString();
        } else {
            EXPECT_GT(filled, 0) << name.toStdString();
        }
    }
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM CHILDREN"_s), 90);
    EXPECT_FALSE(db::scalar(connection, u"SELECT TITLE FROM INFORMATION"_s).toString().isEmpty());
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM REMINDER WHERE HMEROMHNIA=#3/15/2011#"_s),
              1);
}

TEST_F(SampleData, EveryRowOfAChildBelongsToARegisteredChildAndGroup) {
    for (const QString& table :
         {u"CHILDREN_EGG_DIAG"_s, u"APODEIKSEIS_DIDAKTRWN"_s, u"APODEIKSEIS_HISTORY"_s,
          u"APOYSIES"_s, u"CHILDREN_METRHSEIS"_s, u"CHILDREN_OMADES"_s}) {
        EXPECT_GT(count(connection, u"SELECT COUNT(*) FROM "_s + table), 0);
        EXPECT_EQ(count(connection,
                        u"SELECT COUNT(*) FROM %1 WHERE ARITHMOS_MHTRWOY NOT IN "
                        "(SELECT ARITHMOS_MHTRWOY FROM CHILDREN)"_s.arg(table)),
                  0)
            << table.toStdString();
    }
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM CHILDREN_OMADES WHERE OMADA_ID NOT IN "
                    "(SELECT ID FROM GROUP_NAMES)"_s),
              0);
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM CHILDREN_OMADES, CHILDREN WHERE "
                    "CHILDREN.ARITHMOS_MHTRWOY=CHILDREN_OMADES.ARITHMOS_MHTRWOY AND "
                    "ENERGO='ΟΧΙ'"_s),
              0);
}

TEST_F(SampleData, ReceiptsAreNumberedOnceEachAndTheCounterHoldsTheNextNumber) {
    QSet<qlonglong> numbers;
    const QList<QVariantMap> issued =
        rows(connection,
             u"SELECT ARITHMOS_APODEIKSHS AS N FROM APODEIKSEIS_HISTORY UNION ALL "
             "SELECT AR_APODEIKSHS AS N FROM APODEIKSEIS_GEN"_s);
    for (const QVariantMap& receipt : issued) {
        bool digits = false;
        numbers.insert(receipt[u"N"_s].toString().toLongLong(&digits));
        EXPECT_TRUE(digits) << receipt[u"N"_s].toString().toStdString();
    }
    ASSERT_EQ(numbers.size(), issued.size());
    const qlonglong next =
        db::scalar(connection, u"SELECT LAST_NUMBER FROM APODEIKSH_LAST"_s).toLongLong();
    EXPECT_EQ(next, summary.nextReceiptNumber);
    EXPECT_EQ(next, 41 + numbers.size());  // 41, 42, ... with no gap
    EXPECT_EQ(*std::min_element(numbers.begin(), numbers.end()), 41);
    EXPECT_EQ(*std::max_element(numbers.begin(), numbers.end()), next - 1);
    EXPECT_EQ(summary.tuitionReceipts + summary.generalReceipts, numbers.size());

    // Issued in number order: a later number never carries an earlier date.
    const QList<QVariantMap> byNumber =
        rows(connection,
             u"SELECT CAST(N AS INTEGER) AS N, D FROM (SELECT ARITHMOS_APODEIKSHS AS N, "
             "HMEROMHNIA AS D FROM APODEIKSEIS_HISTORY UNION ALL SELECT AR_APODEIKSHS, "
             "HMEROMHNIA FROM APODEIKSEIS_GEN) ORDER BY CAST(N AS INTEGER)"_s);
    for (qsizetype i = 1; i < byNumber.size(); ++i) {
        EXPECT_LE(byNumber[i - 1][u"D"_s].toString(), byNumber[i][u"D"_s].toString());
    }
}

TEST_F(SampleData, PaidLedgerMonthsMatchTheirArchivedReceipts) {
    const int paid =
        count(connection, u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN WHERE CHECKER='Π'"_s);
    EXPECT_GT(paid, 0);
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN L, APODEIKSEIS_HISTORY H "
                    "WHERE L.CHECKER='Π' AND H.ARITHMOS_APODEIKSHS=L.ARITHMOS_APODEIKSHS "
                    "AND H.ARITHMOS_MHTRWOY=L.ARITHMOS_MHTRWOY AND H.MHNAS=L.MHNAS AND "
                    "H.ETOS=L.ETOS AND H.POSO=L.POSO AND H.VAT=L.VAT AND "
                    "H.HMEROMHNIA=L.HMEROMHNIA AND H.EGKYRO=1"_s),
              paid);
    // Every valid receipt pays one ledger month; a cancelled one left its month without a row.
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM APODEIKSEIS_HISTORY WHERE EGKYRO=1"_s),
              paid);
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM APODEIKSEIS_HISTORY H, APODEIKSEIS_DIDAKTRWN L "
                    "WHERE H.EGKYRO=0 AND L.ARITHMOS_APODEIKSHS=H.ARITHMOS_APODEIKSHS"_s),
              0);
    EXPECT_GT(count(connection, u"SELECT COUNT(*) FROM APODEIKSEIS_HISTORY WHERE EGKYRO=0"_s), 0);
    // Owed months carry the mark only.
    const int owed =
        count(connection, u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN WHERE CHECKER='Χ'"_s);
    EXPECT_GT(owed, 0);
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN WHERE CHECKER='Χ' AND "
                    "ARITHMOS_APODEIKSHS IS NULL AND POSO IS NULL AND VAT IS NULL AND "
                    "HMEROMHNIA IS NULL"_s),
              owed);
    EXPECT_EQ(owed + paid, count(connection, u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN"_s));
    EXPECT_EQ(summary.ledgerRows, owed + paid);
}

TEST_F(SampleData, ReceiptAmountsFollowTheProgramsMoneyRules) {
    const double rate =
        db::scalar(connection, u"SELECT VAT_RATIO FROM SYNTELESTHS_VAT"_s).toDouble();
    const auto stored = [](double value) { return common::statementNumber(value); };
    const QList<QVariantMap> receipts =
        rows(connection,
             u"SELECT POSO, VAT, POSO_KAI_VAT, POSOCY, VATCY, POSO_KAI_VATCY AS TOTALCY "
             "FROM APODEIKSEIS_HISTORY UNION ALL SELECT POSO, VAT, POSO_KAI_VAT, POSOCY, "
             "VATCY, POSO_KAI_VAT_CY FROM APODEIKSEIS_GEN"_s);
    ASSERT_FALSE(receipts.isEmpty());
    for (const QVariantMap& r : receipts) {
        const double amount = r[u"POSO"_s].toDouble();
        const double cypAmount = r[u"POSOCY"_s].toDouble();
        const double vat = common::centRound(common::extendedPercent(amount, rate));
        EXPECT_EQ(stored(r[u"VAT"_s].toDouble()), stored(vat));
        EXPECT_EQ(stored(r[u"POSO_KAI_VAT"_s].toDouble()), stored(vat + amount));
        EXPECT_EQ(stored(cypAmount),
                  stored(common::centRound(common::extendedProduct(amount, common::kCypRate))));
        const double cypVat = common::centRound(common::extendedPercent(cypAmount, rate));
        EXPECT_EQ(stored(r[u"VATCY"_s].toDouble()), stored(cypVat));
        EXPECT_EQ(stored(r[u"TOTALCY"_s].toDouble()),
                  stored(common::centRound(cypAmount + cypVat)));
    }
}

TEST_F(SampleData, EnrolmentHistoriesAgreeWithTheActiveFlagAndTheLedger) {
    const QList<QVariantMap> periods =
        rows(connection,
             u"SELECT E.ARITHMOS_MHTRWOY AS N, E.HMEROMHNIA_EGGRAFHS AS F, "
             "E.HMEROMHNIA_DIAGRAFHS AS T, E.LOGOS_DIAGRAFHS AS R, C.ENERGO AS A FROM "
             "CHILDREN_EGG_DIAG E, CHILDREN C WHERE C.ARITHMOS_MHTRWOY=E.ARITHMOS_MHTRWOY "
             "ORDER BY E.ARITHMOS_MHTRWOY, E.HMEROMHNIA_EGGRAFHS"_s);
    QMap<qlonglong, QList<QVariantMap>> byChild;
    for (const QVariantMap& period : periods) {
        byChild[period[u"N"_s].toLongLong()] << period;
    }
    EXPECT_EQ(byChild.size(), 90);
    int reEnrolled = 0;
    int left = 0;
    for (const QList<QVariantMap>& history : byChild) {
        for (qsizetype i = 0; i < history.size(); ++i) {
            const QVariantMap& period = history[i];
            const bool open = period[u"T"_s].isNull();
            EXPECT_EQ(open, period[u"R"_s].isNull());  // date and reason are set together
            EXPECT_EQ(open, i == history.size() - 1 && period[u"A"_s] == u"ΝΑΙ"_s);
            if (!open) {
                EXPECT_LE(period[u"F"_s].toDate(), period[u"T"_s].toDate());
            }
            if (i > 0) {
                EXPECT_LT(history[i - 1][u"T"_s].toDate(), period[u"F"_s].toDate());
            }
        }
        reEnrolled += history.size() > 1 ? 1 : 0;
        left += history.last()[u"A"_s] == u"ΟΧΙ"_s ? 1 : 0;
    }
    EXPECT_GT(reEnrolled, 0);
    EXPECT_GT(left, 0);
    EXPECT_EQ(summary.enrolmentPeriods, periods.size());

    // A ledger month lies within one of the child's enrolment periods.
    for (const QVariantMap& month : rows(connection,
                                         u"SELECT ARITHMOS_MHTRWOY AS N, MHNAS AS M, "
                                         "ETOS AS Y FROM APODEIKSEIS_DIDAKTRWN"_s)) {
        const QDate first(month[u"Y"_s].toInt(), month[u"M"_s].toInt(), 1);
        const QDate last = first.addMonths(1).addDays(-1);
        bool enrolled = false;
        for (const QVariantMap& period : byChild.value(month[u"N"_s].toLongLong())) {
            const QDate to = period[u"T"_s].isNull() ? QDate(9999, 1, 1) : period[u"T"_s].toDate();
            enrolled = enrolled || (period[u"F"_s].toDate() <= last && to >= first);
        }
        EXPECT_TRUE(enrolled) << month[u"N"_s].toLongLong() << " "
                              << first.toString().toStdString();
    }
}

TEST_F(SampleData, TextsHoldTheProgramsFixedValuesAndNoForbiddenCharacters) {
    const QStringList yesNo = {u"ΝΑΙ"_s, u"ΟΧΙ"_s, QString()};
    for (const QVariantMap& child : rows(connection, u"SELECT * FROM CHILDREN"_s)) {
        EXPECT_TRUE((QStringList{u"Αγόρι"_s, u"Κορίτσι"_s}).contains(child[u"FYLO"_s].toString()));
        EXPECT_TRUE((QStringList{u"Ιδιωτικό"_s, u"Νηπιαγωγείο"_s})
                        .contains(child[u"METAFORA"_s].toString()));
        for (const QString& flag :
             {u"ENERGO"_s, u"FAGHTO"_s, u"ZEI_O_PATERAS"_s, u"DIKO_TOY_DWMATIO"_s, u"WSTRAKIA"_s,
              u"ARESEI_SYNTROFIA_PAIDIWN"_s}) {
            EXPECT_TRUE(yesNo.contains(child[flag].toString())) << flag.toStdString();
        }
        EXPECT_FALSE(child[u"ENERGO"_s].isNull());
        EXPECT_TRUE(child[u"ALLERGIES"_s].isNull() || !child[u"ALLERGIES"_s].toString().isEmpty());
    }
    // Texts that the program puts into statements as typed.
    const QString typed =
        uR"(SELECT ONOMA_PAIDIOY AS T FROM CHILDREN UNION SELECT EPWNYMO_PAIDIOY
        FROM CHILDREN UNION SELECT PARALHPTHS FROM APODEIKSEIS_HISTORY UNION SELECT PERIGRAFH FROM
        APODEIKSEIS_GEN UNION SELECT OMADA FROM GROUP_NAMES UNION SELECT RESPONSIBLE FROM
        GROUP_NAMES UNION SELECT PROGRAMMA FROM FAGHTO UNION SELECT CONTACT FROM CONTACTS UNION
        SELECT PERSON FROM PROSWPIKO)"_s;
    for (const QVariantMap& text : rows(connection, typed)) {
        EXPECT_TRUE(common::passesForbiddenCharacterTest(text[u"T"_s].toString()))
            << text[u"T"_s].toString().toStdString();
    }
}

TEST(SampleDataSeed, TheSameSeedGivesTheSameDatabase) {
    testsupport::DeliveredDatabase first;
    testsupport::DeliveredDatabase second;
    testsupport::DeliveredDatabase other;
    sample::fillSampleData(first.connection(), smallHistory(3));
    sample::fillSampleData(second.connection(), smallHistory(3));
    sample::fillSampleData(other.connection(), smallHistory(4));
    const QString content = contentOf(first.connection());
    EXPECT_EQ(content, contentOf(second.connection()));
    EXPECT_NE(content, contentOf(other.connection()));
}
