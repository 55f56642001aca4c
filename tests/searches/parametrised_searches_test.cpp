#include <gtest/gtest.h>

#include "common/day_hours.h"
#include "search_children.h"
#include "searches/parametrised_searches.h"

using namespace Qt::StringLiterals;

namespace {

class ParametrisedSearchesTest : public ::testing::Test {
protected:
    QList<int> listed(const searches::SearchRequest& request) {
        return database_.listed(request.statement);
    }

    searchtest::SearchDatabase database_;
};

TEST_F(ParametrisedSearchesTest, EducationJoinsTickedPeopleAndKeepsTheOthersAsAlwaysTrue) {
    database_.addChild(1, u"Αλεξίου"_s, {{u"MORFWSH_MHTERAS"_s, u"'ΛΥΚΕΙΟ'"_s}});
    database_.addChild(
        2, u"Βλάχου"_s,
        {{u"MORFWSH_MHTERAS"_s, u"'ΛΥΚΕΙΟ'"_s}, {u"MORFWSH_PATERA"_s, u"'ΠΑΝΕΠΙΣΤΗΜΙΟ'"_s}});
    database_.addChild(3, u"Γκίκας"_s,
                       {{u"MORFWSH_MHTERAS"_s, u"'ΛΥΚΕΙΟ'"_s}, {u"ENERGO"_s, u"'ΟΧΙ'"_s}});
    database_.addChild(4, u"Δούκας"_s);

    searches::EducationChoice mother;
    mother.mother = u"ΛΥΚΕΙΟ"_s;
    const auto onlyMother = searches::educationSearch(mother);
    // The mother's piece starts with a blank of its own: two blanks after ΠΑΙΔΙΑ.
    EXPECT_EQ(onlyMother.title, u"ΠΑΙΔΙΑ  ME ΜΟΡΦΩΣΗ ΜΗΤΕΡΑΣ=ΛΥΚΕΙΟ"_s);
    EXPECT_EQ(
        onlyMother.statement,
        searches::parametrisedSearchHead() +
            u"ENERGO='ΝΑΙ' AND 1=1 AND MORFWSH_MHTERAS='ΛΥΚΕΙΟ' AND 1=1 ORDER BY EPWNYMO_PAIDIOY ASC"_s);
    EXPECT_EQ(listed(onlyMother), (QList<int>{1, 2}));

    searches::EducationChoice everyone{u"ΠΑΝΕΠΙΣΤΗΜΙΟ"_s, u"ΛΥΚΕΙΟ"_s, u"ΔΗΜΟΤΙΚΟ"_s};
    const auto all = searches::educationSearch(everyone);
    EXPECT_EQ(all.title,
              u"ΠΑΙΔΙΑ ME ΜΟΡΦΩΣΗ ΠΑΤΕΡΑ=ΠΑΝΕΠΙΣΤΗΜΙΟ ME ΜΟΡΦΩΣΗ ΜΗΤΕΡΑΣ=ΛΥΚΕΙΟ ME "
              "ΜΟΡΦΩΣΗ ΚΗΔΕΜΟΝΑ=ΔΗΜΟΤΙΚΟ"_s);
    EXPECT_EQ(listed(all), QList<int>{2});
    EXPECT_FALSE(searches::EducationChoice{}.anyTicked());
    EXPECT_TRUE(everyone.anyTicked());
}

TEST_F(ParametrisedSearchesTest, BornBetweenFindsEveryChildOfTheSchoolYearActiveOrNot) {
    database_.addChild(1, u"Ζαφειρίου"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#9/1/2004#"_s}});
    database_.addChild(2, u"Αργυρού"_s,
                       {{u"HMEROMHNIA_GENNHSEWS"_s, u"#8/31/2005#"_s}, {u"ENERGO"_s, u"'ΟΧΙ'"_s}});
    database_.addChild(3, u"Μάρκου"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#2/14/2005#"_s}});
    database_.addChild(4, u"Βασιλείου"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#8/31/2004#"_s}});
    database_.addChild(5, u"Γρηγορίου"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#9/1/2005#"_s}});

    const auto request = searches::bornBetweenSearch(u" 01/09/2004"_s, u"31/08/2005 "_s);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->title, u"ΠΑΙΔΙΑ ΠΟΥ ΓΕΝΝΗΘΗΚΑΝ ΑΠΟ 01/09/2004 ΜΕΧΡΙ 31/08/2005"_s);
    EXPECT_EQ(
        request->statement,
        searches::parametrisedSearchHead() +
            u"HMEROMHNIA_GENNHSEWS BETWEEN #9/1/2004# AND #8/31/2005# ORDER BY EPWNYMO_PAIDIOY ASC "_s);
    EXPECT_EQ(listed(*request), (QList<int>{2, 1, 3}));  // by surname, the one who left too

    EXPECT_FALSE(searches::bornBetweenSearch(u"31/02/2005"_s, u"01/03/2005"_s));
    EXPECT_FALSE(searches::bornBetweenSearch(u"01/09/2004"_s, QString()));
}

TEST_F(ParametrisedSearchesTest, SiblingsAndBedroomsTakeWholeNumberRanges) {
    database_.addChild(1, u"Αλεξίου"_s, {{u"ADELFOYS"_s, u"0"_s}, {u"ADELFES"_s, u"0"_s}});
    database_.addChild(2, u"Βλάχου"_s, {{u"ADELFOYS"_s, u"0"_s}, {u"ADELFES"_s, u"NULL"_s}});
    database_.addChild(
        3, u"Γκίκας"_s,
        {{u"ADELFOYS"_s, u"1"_s}, {u"ADELFES"_s, u"2"_s}, {u"ARITHMOS_YPNODWMATIWN"_s, u"3"_s}});
    database_.addChild(
        4, u"Δούκας"_s,
        {{u"ADELFOYS"_s, u"0"_s}, {u"ADELFES"_s, u"0"_s}, {u"ENERGO"_s, u"'ΟΧΙ'"_s}});

    const auto none = searches::siblingsSearch(u"0"_s, u" 0 "_s);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->title, u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΑΠΟ 0 ΕΩΣ 0"_s);
    EXPECT_EQ(
        none->statement,
        searches::parametrisedSearchHead() +
            u"ENERGO='ΝΑΙ' AND (ADELFOYS+ADELFES) BETWEEN 0 AND 0 ORDER BY EPWNYMO_PAIDIOY ASC "_s);
    EXPECT_EQ(listed(*none), QList<int>{1});  // an unknown count matches no range
    EXPECT_EQ(listed(*searches::siblingsSearch(u"1"_s, u"5"_s)), QList<int>{3});

    const auto rooms = searches::bedroomsSearch(u"3"_s, u"4"_s);
    ASSERT_TRUE(rooms);
    EXPECT_EQ(rooms->title,
              u"ΠΑΙΔΙΑ ΠΟΥ O ΑΡΙΘΜΟΣ ΤΩΝ ΥΠΝΟΔΩΜΑΤΙΩΝ ΣΤΟ ΣΠΙΤΙ ΤΟΥΣ ΕΙΝΑΙ ΑΠΟ 3 ΕΩΣ 4"_s);
    EXPECT_TRUE(
        rooms->statement.contains(u",str(HMEROMHNIA_GENNHSEWS) as HMEROMHNIA_GENNHSEWS,"_s));
    EXPECT_EQ(listed(*rooms), QList<int>{3});
    EXPECT_EQ(listed(*searches::bedroomsSearch(u"2"_s, u"2"_s)), (QList<int>{1, 2}));

    for (const QString& wrong : {u""_s, u"α"_s, u"2 3"_s, u"1.5"_s, u"99999999999"_s}) {
        EXPECT_FALSE(searches::siblingsSearch(wrong, u"3"_s)) << wrong.toStdString();
        EXPECT_FALSE(searches::bedroomsSearch(u"1"_s, wrong)) << wrong.toStdString();
        EXPECT_FALSE(searches::positionSearch(wrong)) << wrong.toStdString();
    }
}

TEST_F(ParametrisedSearchesTest, PositionFindsChildrenAtThatPlaceInTheFamily) {
    database_.addChild(1, u"Αλεξίου"_s, {{u"THESH_PAIDIOY_STHN_OIKOGENEIA"_s, u"2"_s}});
    database_.addChild(2, u"Βλάχου"_s);
    database_.addChild(3, u"Γκίκας"_s,
                       {{u"THESH_PAIDIOY_STHN_OIKOGENEIA"_s, u"2"_s}, {u"ENERGO"_s, u"'ΟΧΙ'"_s}});
    const auto second = searches::positionSearch(u"2"_s);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->title, u"θΕΣΗ ΤΟΥ ΠΑΙΔΙΟΥ ΣΤΗΝ ΟΙΚΟΓΕΝΕΙΑ EINAI 2"_s);
    EXPECT_EQ(listed(*second), QList<int>{1});
}

TEST_F(ParametrisedSearchesTest, HourSearchesCompareTheChosenHours) {
    const QStringList arrivals = common::arrivalHours();
    const QStringList departures = common::departureHours();
    ASSERT_EQ(arrivals.size(), 20);
    ASSERT_EQ(departures.size(), 20);
    EXPECT_EQ(arrivals.first(), u"07:00"_s);
    EXPECT_EQ(arrivals.at(1), u"07:30"_s);
    EXPECT_EQ(arrivals.last(), u"16:30"_s);
    EXPECT_EQ(departures.first(), u"10:00"_s);
    EXPECT_EQ(departures.last(), u"19:30"_s);

    database_.addChild(1, u"Αλεξίου"_s,
                       {{u"WRA_ERXETAI"_s, u"'07:30'"_s}, {u"WRA_FEYGEI"_s, u"'14:00'"_s}});
    database_.addChild(2, u"Βλάχου"_s,
                       {{u"WRA_ERXETAI"_s, u"'07:30'"_s}, {u"WRA_FEYGEI"_s, u"'15:30'"_s}});
    database_.addChild(3, u"Γκίκας"_s,
                       {{u"WRA_ERXETAI"_s, u"'07:30'"_s}, {u"ENERGO"_s, u"'ΟΧΙ'"_s}});

    const auto arrival = searches::arrivalSearch(u"07:30"_s);
    EXPECT_EQ(arrival.title, u"ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΠΡΟΣΕΛΕΥΣΗΣ 07:30 "_s);
    EXPECT_EQ(listed(arrival), (QList<int>{1, 2}));
    const auto departure = searches::departureSearch(u"15:30"_s);
    EXPECT_EQ(departure.title, u"ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΑΠΟΧΩΡΗΣΗΣ 15:30 "_s);
    EXPECT_EQ(listed(departure), QList<int>{2});
    const auto both = searches::arrivalAndDepartureSearch(u"07:30"_s, u"14:00"_s);
    EXPECT_EQ(both.title, u"ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΠΡΟΣΕΛΕΥΣΗΣ 07:30 ΚΑΙ ΩΡΑ ΑΠΟΧΩΡΗΣΗΣ 14:00 "_s);
    EXPECT_EQ(
        both.statement,
        searches::parametrisedSearchHead() +
            u"ENERGO='ΝΑΙ' AND WRA_ERXETAI='07:30' AND WRA_FEYGEI='14:00' ORDER BY EPWNYMO_PAIDIOY ASC "_s);
    EXPECT_EQ(listed(both), QList<int>{1});
}

}  // namespace
