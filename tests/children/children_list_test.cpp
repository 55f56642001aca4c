#include <gtest/gtest.h>

#include "children/children_list.h"
#include "children/list_request.h"
#include "children_fixture.h"

namespace {

using children::ListRequest;
using children::SortDirection;
using children::StatusFilter;

QStringList surnames(db::Connection& connection, const std::optional<QString>& statement) {
    db::Query query(connection, statement.value());
    query.open();
    QStringList found;
    for (int row = 0; row < query.rowCount(); ++row) {
        found.append(query.textAt(row, query.columnIndex(QStringLiteral("EPWNYMO_PAIDIOY"))));
    }
    return found;
}

TEST(ChildrenListTest, ListTextIsBuiltPieceByPiece) {
    EXPECT_EQ(children::listStatement({children::everyoneCondition(), StatusFilter::Active},
                                      QStringLiteral("ARITHMOS_MHTRWOY"), SortDirection::Ascending),
              QStringLiteral("SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,"
                             "HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,"
                             "DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA,ENERGO FROM CHILDREN "
                             "WHERE ENERGO='ΝΑΙ' AND 1>0  ORDER BY ARITHMOS_MHTRWOY ASC"));
    EXPECT_TRUE(children::listStatement({children::registryNumberCondition(QStringLiteral(" 7 ")),
                                         StatusFilter::Deleted},
                                        QStringLiteral("ENERGO"), SortDirection::Descending)
                    ->endsWith(QStringLiteral(" WHERE ENERGO='ΟΧΙ' AND ARITHMOS_MHTRWOY=7  ORDER "
                                              "BY ENERGO DESC")));
    EXPECT_EQ(children::sortChoices().size(), 8);
    EXPECT_EQ(children::sortChoices().at(2).column, QStringLiteral("HMEROMHNIA_GENNHSEWS"));
}

TEST(ChildrenListTest, FindTextMustBeFilledAndFreeOfForbiddenCharacters) {
    EXPECT_FALSE(children::findTextAccepted(QStringLiteral("   ")));
    EXPECT_FALSE(children::findTextAccepted(QStringLiteral("Παπ'")));
    EXPECT_TRUE(children::findTextAccepted(QStringLiteral(" Παπ ")));
    EXPECT_EQ(children::surnameCondition(QStringLiteral(" παπαδά ")),
              QStringLiteral("ucase(EPWNYMO_PAIDIOY) LIKE 'ΠΑΠΑΔΆ%'"));
}

TEST(ChildrenListTest, SurnameInitialsInSmallLettersFindCapitalsAndSmallLetters) {
    childrentest::DeliveredProgram program;
    program.addChild(1, QStringLiteral("ΓΙΩΡΓΟΣ"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), {2015, 3, 1});
    program.addChild(2, QStringLiteral("Μαρία"), QStringLiteral("Παπαδάκη"), {2016, 4, 2});
    program.addChild(3, QStringLiteral("Νίκος"), QStringLiteral("Νικολάου"), {2015, 5, 3});
    program.addChild(4, QStringLiteral("Ελένη"), QStringLiteral("Παπά"), {2014, 6, 4}, false);

    const QString initials = children::surnameCondition(QStringLiteral("παπ"));
    const QString bySurname = QStringLiteral("EPWNYMO_PAIDIOY");
    EXPECT_EQ(
        surnames(program.connection, children::listStatement({initials, StatusFilter::Active},
                                                             bySurname, SortDirection::Ascending)),
        QStringList({QStringLiteral("Παπαδάκη"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ")}));
    EXPECT_EQ(
        surnames(program.connection, children::listStatement({initials, StatusFilter::All},
                                                             bySurname, SortDirection::Ascending)),
        QStringList(
            {QStringLiteral("Παπά"), QStringLiteral("Παπαδάκη"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ")}));
    EXPECT_EQ(
        surnames(program.connection, children::listStatement({initials, StatusFilter::Deleted},
                                                             bySurname, SortDirection::Ascending)),
        QStringList({QStringLiteral("Παπά")}));
}

TEST(ChildrenListTest, DescendingBirthDateListsTheYoungestFirst) {
    childrentest::DeliveredProgram program;
    program.addChild(1, QStringLiteral("Α"), QStringLiteral("Μεσαίος"), {2015, 12, 31});
    program.addChild(2, QStringLiteral("Β"), QStringLiteral("Μικρότερος"), {2016, 1, 2});
    program.addChild(3, QStringLiteral("Γ"), QStringLiteral("Μεγαλύτερος"), {2014, 2, 28});
    EXPECT_EQ(surnames(program.connection,
                       children::listStatement({children::everyoneCondition(), StatusFilter::All},
                                               QStringLiteral("HMEROMHNIA_GENNHSEWS"),
                                               SortDirection::Descending)),
              QStringList({QStringLiteral("Μικρότερος"), QStringLiteral("Μεσαίος"),
                           QStringLiteral("Μεγαλύτερος")}));
}

TEST(ChildrenListTest, OnlyAWholeRegistryNumberReachesTheStatement) {
    childrentest::DeliveredProgram program;
    program.addChild(1, QStringLiteral("Α"), QStringLiteral("Πρώτος"), {2015, 1, 1});
    program.addChild(5, QStringLiteral("Β"), QStringLiteral("Πέμπτος"), {2015, 1, 5});
    program.addChild(12, QStringLiteral("Γ"), QStringLiteral("Δωδέκατος"), {2015, 1, 12});
    const auto listed = [&program](const QString& typed) {
        const std::optional<QString> statement =
            children::listStatement({children::registryNumberCondition(typed), StatusFilter::All},
                                    QStringLiteral("ARITHMOS_MHTRWOY"), SortDirection::Ascending);
        return statement ? std::optional(surnames(program.connection, statement)) : std::nullopt;
    };
    EXPECT_EQ(listed(QStringLiteral(" 12 ")), QStringList({QStringLiteral("Δωδέκατος")}));
    for (const QString& typed :
         {QStringLiteral("abc"), QStringLiteral("αβ"), QStringLiteral("5 OR 1"),
          QStringLiteral("5)"), QStringLiteral("1.5"), QStringLiteral("")}) {
        EXPECT_EQ(listed(typed), std::nullopt) << typed.toStdString();
    }
}

}  // namespace
