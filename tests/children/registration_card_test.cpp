#include <gtest/gtest.h>

#include "children/registration_card.h"
#include "children_fixture.h"
#include "finance/tuition_ledger.h"

namespace {

TEST(RegistrationCardTest, TheCardOpensOnEveryColumnWithoutReadingAnyChild) {
    childrentest::DeliveredProgram program;
    program.addChild(1, QStringLiteral("Άννα"), QStringLiteral("Βασιλείου"), {2015, 1, 5});
    program.addChild(2, QStringLiteral("Πέτρος"), QStringLiteral("Αντωνίου"), {2016, 2, 6});
    db::Query card(program.connection, children::emptyCardStatement());
    card.open();
    EXPECT_EQ(card.rowCount(), 0);
    EXPECT_EQ(card.columnCount(), 94);
    EXPECT_EQ(card.columnKind(card.columnIndex(QStringLiteral("HMEROMHNIA_GENNHSEWS"))),
              db::ColumnKind::Date);
    EXPECT_EQ(card.columnKind(card.columnIndex(QStringLiteral("ADELFES"))),
              db::ColumnKind::Integer);
}

TEST(RegistrationCardTest, TheStatementsAfterTheSaveCarryThePendingNumberUnquoted) {
    EXPECT_EQ(children::pendingRegistryNumber(QStringLiteral("  25 ")), QStringLiteral("25"));
    EXPECT_EQ(children::openEnrolmentStatement(QStringLiteral("25")),
              QStringLiteral("insert into CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) "
                             "VALUES(25,date())"));
    EXPECT_EQ(
        finance::owedTuitionThisMonthStatement(QStringLiteral("25")),
        QStringLiteral("insert into APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,CHECKER,MHNAS,ETOS) "
                       "VALUES(25,'Χ',month(date()),year(date()))"));
}

}  // namespace
