#include <gtest/gtest.h>

#include <QSet>

#include "canned_search_expectations.h"
#include "db/transaction.h"
#include "search_children.h"
#include "searches/canned_searches.h"
#include "searches/title_lines.h"

using namespace Qt::StringLiterals;
using cannedtest::Expectation;
using searchtest::Values;

namespace {

class CannedSearchesTest : public ::testing::Test {
protected:
    searchtest::SearchDatabase database_;
};

TEST_F(CannedSearchesTest, TableHoldsSeventySixSearchesWithUniqueEntries) {
    const auto& searches = searches::cannedSearches();
    ASSERT_EQ(searches.size(), 76);
    QSet<QString> titles;
    QSet<QString> entries;
    for (const auto& search : searches) {
        titles.insert(search.title);
        entries.insert(search.menuPath.join(u'>') + u'>' + search.caption);
        EXPECT_NE(search.condition.isEmpty(), search.specialStatement.isEmpty());
    }
    EXPECT_EQ(titles.size(), 76);
    EXPECT_EQ(entries.size(), 76);

    // Two searches carry a whole statement; the rest the standard one around their condition.
    EXPECT_EQ(searches.first().caption, u"Παιδιά που γράφτ&ηκαν περισσότερες από μια φορά"_s);
    EXPECT_EQ(searches.last().caption, u"Π&αιδιά που οφείλουν δίδακτρα"_s);
    EXPECT_EQ(
        searches.at(3).statement(),
        u"SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,str(HMEROMHNIA_GENNHSEWS) as "
        "HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
        "THLEFWNO_ERGASIAS_KHDEMONA FROM CHILDREN WHERE ENERGO='ΝΑΙ' AND ZEI_O_PATERAS='ΟΧΙ' "
        "ORDER BY EPWNYMO_PAIDIOY ASC"_s);
}

TEST_F(CannedSearchesTest, SubmenusKeepTheirMenuOrder) {
    const QStringList unemployed{u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s, u"Παιδιά που"_s,
                                 u"Έ&χουν"_s, u"Άνεργ&ο"_s};
    QStringList captions;
    for (const auto& search : searches::cannedSearchesUnder(unemployed)) {
        captions.append(search.caption);
    }
    EXPECT_EQ(captions, (QStringList{u"&Πατέρα"_s, u"&Μητέρα"_s, u"Πατέρα ή Μ&ητέρα"_s,
                                     u"Πατέρα &και μητέρα"_s, u"Κη&δεμόνα"_s}));
    EXPECT_EQ(searches::cannedSearchesUnder({u"Εμβόλια"_s}).size(), 0);
    EXPECT_EQ(searches::cannedSearchesUnder(
                  {u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s, u"Εμβόλια"_s})
                  .size(),
              10);
}

// Every search lists exactly the active children made to match it, in every way its condition
// allows: never the neutral child, nor the same children inactive, nor the near miss; with the
// ten columns the results window shows.
TEST_F(CannedSearchesTest, EverySearchListsExactlyTheActiveMatchingChildren) {
    const auto all = cannedtest::expectations();
    ASSERT_EQ(all.size(), 76);
    for (const auto& search : searches::cannedSearches()) {
        SCOPED_TRACE(search.title.toStdString());
        const auto found = std::find_if(
            all.begin(), all.end(), [&](const Expectation& e) { return e.title == search.title; });
        ASSERT_NE(found, all.end());

        QList<Values> ways{found->match};
        ways += found->otherWays;
        QList<int> expected;
        {
            db::Transaction setUp(database_.connection());  // one write instead of dozens
            database_.removeAllChildren();
            database_.addChild(1, u"Αβραάμ"_s);
            if (!found->nearMiss.isEmpty()) {
                database_.addChild(2, u"Βουλγαράκης"_s, found->nearMiss);
            }
            for (int way = 0; way < ways.size(); ++way) {
                database_.addChild(10 + way, u"Ζαχαρίου"_s, ways.at(way), found->extra);
                database_.addChild(
                    50 + way, u"Γεωργίου"_s,
                    searchtest::withValues(ways.at(way), {{u"ENERGO"_s, u"'ΟΧΙ'"_s}}),
                    found->extra);
                expected.append(10 + way);
            }
            setUp.commit();
        }
        QList<int> listed = database_.listed(search.statement());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, expected);

        db::Query query(database_.connection(), search.statement());
        query.open();
        EXPECT_EQ(query.columnNames(), searchtest::resultColumns());
        EXPECT_EQ(query.text(u"HMEROMHNIA_GENNHSEWS"_s), u"05/03/2019"_s);
    }
}

const searches::CannedSearch& searchTitled(const QString& title) {
    for (const auto& search : searches::cannedSearches()) {
        if (search.title == title) {
            return search;
        }
    }
    throw std::runtime_error("no such search");
}

TEST_F(CannedSearchesTest, ChildMissingAnyOneVaccinationIsListedOnceAndInSurnameOrder) {
    const QStringList vaccinations{
        u"EMBOLIO_ANEMEBLOGIAS"_s, u"EMBOLIO_DIFTHERITIDA"_s,  u"EMBOLIO_TETANOS"_s,
        u"EMBOLIO_KOKKITHS"_s,     u"EMBOLIO_ILARAS"_s,        u"EMBOLIO_PAROTITIDAS"_s,
        u"EMBOLIO_ERYTHRAS"_s,     u"EMBOLIO_POLYOMYELITIS"_s, u"EMBOLIO_YPATITIDAS_B"_s};
    database_.removeAllChildren();
    database_.addChild(100, u"Ωμέγα"_s);  // every vaccination recorded
    // Surnames in reverse of the registry numbers, so the order shows the sort.
    const QStringList surnames{u"Ιωάννου"_s, u"Θεοδώρου"_s,  u"Ηλιόπουλος"_s,
                               u"Ζερβός"_s,  u"Ευαγγέλου"_s, u"Δήμου"_s,
                               u"Γαλάνης"_s, u"Βασιλείου"_s, u"Αθανασίου"_s};
    for (int i = 0; i < vaccinations.size(); ++i) {
        database_.addChild(i + 1, surnames.at(i), {{vaccinations.at(i), u"NULL"_s}});
    }
    // Several missing at once still lists the child once.
    database_.addChild(50, u"Κωνσταντίνου"_s,
                       {{vaccinations.at(0), u"NULL"_s}, {vaccinations.at(4), u"NULL"_s}});

    const auto& anyOne = searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΤΟΥΛΑΧΙΣΤΟ ΕΝΑ ΕΜΒΟΛΙΟ"_s);
    EXPECT_EQ(database_.listed(anyOne.statement()), (QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 50}));
}

TEST_F(CannedSearchesTest, UnemployedParentsCountEmptyAndMissingProfessions) {
    database_.removeAllChildren();
    database_.addChild(1, u"Αλεξίου"_s, {{u"EPAGGELMA_PATERA"_s, u"''"_s}});
    database_.addChild(2, u"Βλάχου"_s, {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}});
    database_.addChild(3, u"Γκίκας"_s, {{u"EPAGGELMA_MHTERAS"_s, u"NULL"_s}});
    database_.addChild(4, u"Δούκας"_s, {{u"EPAGGELMA_MHTERAS"_s, u"\"\""_s}});
    database_.addChild(5, u"Ευθυμίου"_s,
                       {{u"EPAGGELMA_PATERA"_s, u"NULL"_s}, {u"EPAGGELMA_MHTERAS"_s, u"''"_s}});
    database_.addChild(6, u"Φωτίου"_s);
    database_.addChild(7, u"Χριστάκης"_s, {{u"EPAGGELMA_KHDEMONA"_s, u"''"_s}});
    database_.addChild(8, u"Ψαρράς"_s,
                       {{u"EPAGGELMA_PATERA"_s, u"NULL"_s},
                        {u"EPAGGELMA_MHTERAS"_s, u"NULL"_s},
                        {u"ENERGO"_s, u"'ΟΧΙ'"_s}});

    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ"_s).statement()),
              (QList<int>{1, 2, 5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓH ΜΗΤΕΡΑ"_s).statement()),
              (QList<int>{3, 4, 5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ Ή ΜΗΤΕΡΑ"_s).statement()),
              (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΠΑΤΕΡΑ ΚΑΙ ΜΗΤΕΡΑ"_s).statement()),
              (QList<int>{5}));
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΜΕ ΑΝΕΡΓΟ ΚΗΔΕΜΟΝΑ"_s).statement()),
              (QList<int>{7}));
}

TEST_F(CannedSearchesTest, OwedTuitionAndRepeatedEnrolmentListEachChildOnce) {
    database_.removeAllChildren();
    const QString owed =
        u"INSERT INTO APODEIKSEIS_DIDAKTRWN (ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) "
        "VALUES (%1,%2,2024,'Χ')"_s;
    database_.addChild(
        1, u"Βασιλείου"_s, {},
        {owed.arg(u"%1"_s, u"1"_s), owed.arg(u"%1"_s, u"2"_s), owed.arg(u"%1"_s, u"3"_s)});
    database_.addChild(2, u"Αθανασίου"_s, {}, {owed.arg(u"%1"_s, u"1"_s)});
    database_.addChild(3, u"Γεωργίου"_s);  // paid up
    EXPECT_EQ(database_.listed(searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΟΦΕΙΛΟΥΝ ΔΙΔΑΚΤΡΑ"_s).statement()),
              (QList<int>{2, 1}));

    const QString period =
        u"INSERT INTO CHILDREN_EGG_DIAG (ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) "
        "VALUES (%1,#9/1/2024#)"_s;
    database_.connection().execute(period.arg(3));
    database_.connection().execute(period.arg(3));
    EXPECT_EQ(database_.listed(
                  searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΓΡΑΦΤΗΚΑΝ ΠΕΡΙΣΣΟΤΕΡΕΣ ΑΠΟ ΜΙΑ ΦΟΡΑ"_s).statement()),
              QList<int>{3});
}

TEST_F(CannedSearchesTest, TitleLineReplacesBothLinesOfTheOneRow) {
    db::Connection& connection = database_.connection();
    connection.execute(u"UPDATE PERIGRAFH SET KEIMENO1='παλιά',KEIMENO2='δεύτερη'"_s);
    searches::writeSearchTitle(connection, searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ EKZEMA"_s).title);
    EXPECT_FALSE(connection.isOpen());
    connection.open();
    EXPECT_EQ(database_.titleLines(), (QStringList{u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ EKZEMA"_s, QString()}));
}

}  // namespace
