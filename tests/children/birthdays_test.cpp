#include <gtest/gtest.h>

#include "children/birthdays.h"
#include "db/command.h"
#include "db/query.h"
#include "support/delivered_database.h"

namespace {

QStringList surnames(db::Connection& connection, int day, int month) {
    db::Query query(connection, children::birthdaysStatement(day, month));
    query.open();
    QStringList texts;
    for (int row = 0; row < query.rowCount(); ++row) {
        texts.append(query.textAt(row, query.columnIndex(QStringLiteral("EPWNYMO_PAIDIOY"))));
    }
    return texts;
}

TEST(Birthdays, ActiveChildrenBornOnTheDayAndMonthOfAnyYearBySurname) {
    testsupport::DeliveredDatabase database;
    db::Command add(database.connection());
    const QString child = QStringLiteral(
        "INSERT INTO "
        "CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,ENERGO) "
        "VALUES(%1,'Όνομα','%2',%3,'%4')");
    add.execute(child.arg(1).arg(QStringLiteral("Σάββα"), QStringLiteral("#5/5/2019#"),
                                 QStringLiteral("ΝΑΙ")));
    add.execute(child.arg(2).arg(QStringLiteral("Ανδρέου"), QStringLiteral("#5/5/2020#"),
                                 QStringLiteral("ΝΑΙ")));
    add.execute(child.arg(3).arg(QStringLiteral("Γεωργίου"), QStringLiteral("#5/5/2018#"),
                                 QStringLiteral("ΟΧΙ")));
    add.execute(child.arg(4).arg(QStringLiteral("Λοΐζου"), QStringLiteral("#5/6/2019#"),
                                 QStringLiteral("ΝΑΙ")));
    add.execute(child.arg(5).arg(QStringLiteral("Μιχαήλ"), QStringLiteral("#2/29/2020#"),
                                 QStringLiteral("ΝΑΙ")));

    EXPECT_EQ(surnames(database.connection(), 5, 5),
              (QStringList{QStringLiteral("Ανδρέου"), QStringLiteral("Σάββα")}));
    EXPECT_EQ(surnames(database.connection(), 29, 2), QStringList{QStringLiteral("Μιχαήλ")});
    EXPECT_TRUE(surnames(database.connection(), 31, 4).isEmpty());
}

}  // namespace
