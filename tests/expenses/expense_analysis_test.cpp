// The two analyses of the expenses on a real database: the dates and years they take, the rows
// and totals they find, an expense without VAT counted with its net amount.
#include <gtest/gtest.h>

#include "db/command.h"
#include "db/query.h"
#include "expenses/expense_analysis.h"
#include "support/delivered_database.h"

using namespace Qt::StringLiterals;

namespace {

void addExpense(db::Connection& connection, const QString& isoDate, const QString& amount,
                const QString& vat, const QString& description) {
    db::Command(connection)
        .execute(QStringLiteral("INSERT INTO EKSODA(HMEROMHNIA,POSO,VAT,PERIGRAFH) "
                                "VALUES('%1',%2,%3,'%4')")
                     .arg(isoDate, amount, vat, description));
}

// Each row of a statement's result as its columns' texts joined by "|".
QStringList rows(db::Connection& connection, const QString& statement) {
    db::Query query(connection, statement);
    query.open();
    QStringList texts;
    for (int row = 0; row < query.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < query.columnCount(); ++column) {
            cells.append(query.textAt(row, column));
        }
        texts.append(cells.join(u'|'));
    }
    return texts;
}

QStringList totals(db::Connection& connection, const expenses::ExpenseAnalysis& analysis) {
    const expenses::ExpenseTotals shown = expenses::readTotals(connection, analysis);
    return {shown.value, shown.vat, shown.valueWithVat};
}

TEST(ExpenseAnalysis, BetweenDatesTakesBothEndDaysOldestFirstAndCountsAMissingVatAsZero) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
    addExpense(connection, u"2008-03-31"_s, u"20"_s, u"NULL"_s, u"Ενοίκιο"_s);
    addExpense(connection, u"2008-03-15"_s, u"100"_s, u"19"_s, u"Τρόφιμα"_s);
    addExpense(connection, u"2008-03-01"_s, u"10.5"_s, u"2"_s, u"Ρεύμα"_s);
    addExpense(connection, u"2008-02-29"_s, u"5"_s, u"1"_s, u"Νερό"_s);
    addExpense(connection, u"2008-04-01"_s, u"7"_s, u"1"_s, u"Τηλέφωνο"_s);

    const auto march = expenses::analysisBetweenDates(u" 01/03/2008 "_s, u"31/03/2008"_s);
    ASSERT_TRUE(march);
    EXPECT_EQ(rows(connection, march->listStatement),
              (QStringList{u"01/03/2008|10.50|2.00|12.50|Ρεύμα"_s,
                           u"15/03/2008|100.00|19.00|119.00|Τρόφιμα"_s,
                           u"31/03/2008|20.00||20.00|Ενοίκιο"_s}));
    EXPECT_EQ(totals(connection, *march), (QStringList{u"130.50"_s, u"21.00"_s, u"151.50"_s}));

    // Only the expense without VAT: its value is the whole sum, its VAT zero.
    const auto lastDay = expenses::analysisBetweenDates(u"31/03/2008"_s, u"31/03/2008"_s);
    ASSERT_TRUE(lastDay);
    EXPECT_EQ(totals(connection, *lastDay), (QStringList{u"20.00"_s, u"0.00"_s, u"20.00"_s}));

    const auto empty = expenses::analysisBetweenDates(u"01/01/2010"_s, u"31/01/2010"_s);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(rows(connection, empty->listStatement).isEmpty());
    EXPECT_EQ(totals(connection, *empty), (QStringList{QString(), QString(), QString()}));

    for (const auto& [from, to] :
         {std::pair{u"32/03/2008"_s, u"31/03/2008"_s}, std::pair{u"01/03/2008"_s, u"αύριο"_s},
          std::pair{QString(), u"31/03/2008"_s}}) {
        EXPECT_FALSE(expenses::analysisBetweenDates(from, to)) << from.toStdString();
    }
}

TEST(ExpenseAnalysis, ByMonthListsMonthsWithExpensesInYearOrderAndTakesOnlyWholeYears) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
    addExpense(connection, u"2008-02-10"_s, u"40"_s, u"NULL"_s, u"Ενοίκιο"_s);
    addExpense(connection, u"2007-03-05"_s, u"30"_s, u"3"_s, u"Ρεύμα"_s);
    addExpense(connection, u"2007-01-20"_s, u"10"_s, u"1"_s, u"Νερό"_s);
    addExpense(connection, u"2007-01-02"_s, u"15"_s, u"NULL"_s, u"Νερό"_s);
    addExpense(connection, u"2006-12-31"_s, u"99"_s, u"9"_s, u"Τρόφιμα"_s);
    addExpense(connection, u"2009-01-01"_s, u"99"_s, u"9"_s, u"Τρόφιμα"_s);

    const auto years = expenses::analysisByMonth(u"2007"_s, u" 2008 "_s);
    ASSERT_TRUE(years);
    EXPECT_EQ(rows(connection, years->listStatement),
              (QStringList{u"1|2007|25.00|1.00|26.00"_s, u"3|2007|30.00|3.00|33.00"_s,
                           u"2|2008|40.00|0.00|40.00"_s}));
    EXPECT_EQ(totals(connection, *years), (QStringList{u"95.00"_s, u"4.00"_s, u"99.00"_s}));

    const auto backwards = expenses::analysisByMonth(u"2008"_s, u"2007"_s);
    ASSERT_TRUE(backwards);
    EXPECT_TRUE(rows(connection, backwards->listStatement).isEmpty());

    for (const QString& typed :
         {u"δύο χιλιάδες"_s, u"2007 OR 1"_s, u"2007)"_s, u"20.07"_s, u"-2007"_s, QString()}) {
        EXPECT_FALSE(expenses::analysisByMonth(typed, u"2008"_s)) << typed.toStdString();
        EXPECT_FALSE(expenses::analysisByMonth(u"2007"_s, typed)) << typed.toStdString();
    }
}

}  // namespace
