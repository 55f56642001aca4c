#include <gtest/gtest.h>

#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"
#include "db/table.h"
#include "support/temp_database.h"

namespace {

class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        connection_.executeNative(
            QStringLiteral("CREATE TABLE NOTES (HMEROMHNIA DATE, KEIMENO TEXT COLLATE GREEK, "
                           "ENERGO TEXT COLLATE GREEK DEFAULT 'ΝΑΙ', POSO DOUBLE, N INTEGER);"
                           "CREATE VIEW V AS SELECT KEIMENO FROM NOTES;"));
        connection_.execute(
            QStringLiteral("INSERT INTO NOTES (HMEROMHNIA, KEIMENO, N) VALUES "
                           "(#1/10/2024#, 'πρώτη', 1)"));
        connection_.execute(
            QStringLiteral("INSERT INTO NOTES (HMEROMHNIA, KEIMENO, N) VALUES "
                           "(#3/2/2024#, 'δεύτερη', 2)"));
    }

    int count() {
        return db::scalar(connection_, QStringLiteral("SELECT COUNT(*) FROM NOTES")).toInt();
    }

    QVariant stored(const QString& column, const QString& text) {
        return db::scalar(
            connection_,
            QStringLiteral("SELECT %1 FROM NOTES WHERE KEIMENO='%2'").arg(column, text));
    }

    testsupport::EmptyDatabase database_;
    db::Connection& connection_ = database_.connection();
};

TEST_F(TableTest, SortsAfterOpeningAndNavigates) {
    db::Table table(connection_, QStringLiteral("NOTES"));
    table.open();
    table.setSort(QStringLiteral("HMEROMHNIA DESC"));
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.text(QStringLiteral("KEIMENO")), QStringLiteral("δεύτερη"));
    table.next();
    EXPECT_EQ(table.value(QStringLiteral("HMEROMHNIA")).toDate(), QDate(2024, 1, 10));
    table.next();  // stays on the last row
    EXPECT_TRUE(table.atLast());
    EXPECT_EQ(table.columnKind(table.columnIndex(QStringLiteral("POSO"))), db::ColumnKind::Decimal);
}

TEST_F(TableTest, InsertsWithDefaultsEditsCancelsAndDeletes) {
    db::Table table(connection_, QStringLiteral("NOTES"));
    table.open();
    table.insert();
    table.setValue(QStringLiteral("HMEROMHNIA"), QStringLiteral("5/4/2024"));
    table.setValue(QStringLiteral("POSO"), QStringLiteral("12,5"));
    table.post();
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(table.text(QStringLiteral("ENERGO")), QStringLiteral("ΝΑΙ"));  // the default
    EXPECT_EQ(table.value(QStringLiteral("HMEROMHNIA")).toDate(), QDate(2024, 4, 5));
    EXPECT_DOUBLE_EQ(table.value(QStringLiteral("POSO")).toDouble(), 12.5);

    table.first();
    table.setValue(QStringLiteral("KEIMENO"), QStringLiteral("αλλαγμένη"));
    table.cancel();
    EXPECT_EQ(table.text(QStringLiteral("KEIMENO")), QStringLiteral("πρώτη"));
    table.setValue(QStringLiteral("KEIMENO"), QStringLiteral("αλλαγμένη"));
    table.post();
    EXPECT_EQ(
        db::scalar(connection_, QStringLiteral("SELECT KEIMENO FROM NOTES WHERE N=1")).toString(),
        QStringLiteral("αλλαγμένη"));

    table.remove();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(table.rowCount(), 2);
}

TEST_F(TableTest, RefusesAValueThatDoesNotFitItsColumnAndKeepsTheTyping) {
    db::Table table(connection_, QStringLiteral("NOTES"));
    table.open();
    table.setValue(QStringLiteral("N"), QStringLiteral("δύο"));
    EXPECT_THROW(table.post(), db::Error);
    EXPECT_EQ(table.state(), db::Table::State::Edit);
    EXPECT_EQ(table.text(QStringLiteral("N")), QStringLiteral("δύο"));
    table.setValue(QStringLiteral("N"), QStringLiteral("3"));
    table.setValue(QStringLiteral("HMEROMHNIA"), QStringLiteral("31/02/2024"));
    EXPECT_THROW(table.post(), db::Error);
    table.cancel();
    EXPECT_EQ(db::scalar(connection_, QStringLiteral("SELECT SUM(N) FROM NOTES")).toInt(), 3);
}

TEST_F(TableTest, SavedQueriesOpenReadOnly) {
    db::Table view(connection_, QStringLiteral("V"));
    view.open();
    EXPECT_EQ(view.rowCount(), 2);
    EXPECT_THROW(view.insert(), db::Error);
    db::Table missing(connection_, QStringLiteral("NOPE"));
    EXPECT_THROW(missing.open(), db::Error);
}

TEST_F(TableTest, StatementRowsAreEditedAsTheTablesOwnRows) {
    connection_.execute(
        QStringLiteral("INSERT INTO NOTES (HMEROMHNIA, KEIMENO, N) VALUES "
                       "(#6/1/2024#, 'τρίτη', 3)"));
    db::Table table(connection_, QStringLiteral("NOTES"));
    table.setStatement(QStringLiteral("SELECT KEIMENO, N FROM NOTES WHERE N > 1 ORDER BY N DESC"));
    table.open();
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnNames(), QStringList({QStringLiteral("KEIMENO"), QStringLiteral("N")}));
    EXPECT_EQ(table.text(QStringLiteral("KEIMENO")), QStringLiteral("τρίτη"));

    // Sorted in memory, each row still writes back to the table row it came from.
    table.sortRows(QStringLiteral("KEIMENO ASC"));
    EXPECT_EQ(table.text(QStringLiteral("KEIMENO")), QStringLiteral("δεύτερη"));
    table.setValue(QStringLiteral("N"), QStringLiteral("20"));
    table.post();
    EXPECT_EQ(stored(QStringLiteral("N"), QStringLiteral("δεύτερη")).toInt(), 20);
    table.next();
    table.remove();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(db::scalar(connection_, QStringLiteral("SELECT SUM(N) FROM NOTES")).toInt(), 21);

    // A new row is written with the table's defaults and shows what was stored.
    table.insert();
    table.setValue(QStringLiteral("KEIMENO"), QStringLiteral("νέα"));
    table.post();
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(stored(QStringLiteral("ENERGO"), QStringLiteral("νέα")).toString(),
              QStringLiteral("ΝΑΙ"));

    // Read again, the rows are the statement's.
    table.refresh();
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.value(QStringLiteral("N")).toInt(), 20);
}

TEST_F(TableTest, StatementsThatCannotMapToTableRowsFailAndKeepTheRowsRead) {
    db::Table table(connection_, QStringLiteral("NOTES"));
    table.setStatement(QStringLiteral("SELECT * FROM NOTES WHERE N=1"));
    table.open();
    ASSERT_EQ(table.rowCount(), 1);
    for (const QString& statement :
         {QStringLiteral("SELECT DISTINCT KEIMENO FROM NOTES"), QStringLiteral("SELECT"),
          QStringLiteral("DELETE FROM NOTES"), QStringLiteral("SELECT * FROM NOTES WHERE N=x")}) {
        table.setStatement(statement);
        EXPECT_THROW(table.open(), db::Error) << statement.toStdString();
        EXPECT_EQ(table.rowCount(), 1);
        EXPECT_EQ(table.value(QStringLiteral("N")).toInt(), 1);
    }
    EXPECT_EQ(count(), 2);
}

TEST_F(TableTest, QuerySortsRowsAlreadyReadAsTheirColumnKinds) {
    connection_.executeNative(QStringLiteral("CREATE TABLE R (NUM TEXT COLLATE GREEK)"));
    connection_.execute(QStringLiteral("INSERT INTO R VALUES ('9')"));
    connection_.execute(QStringLiteral("INSERT INTO R VALUES ('10')"));
    db::Query query(connection_, QStringLiteral("SELECT NUM FROM R"));
    query.open();
    query.sortRows(QStringLiteral("NUM ASC"));
    EXPECT_EQ(query.text(0), QStringLiteral("10"));  // a text column sorts as text
    EXPECT_EQ(query.position(), 0);
}

TEST_F(TableTest, SortedRowsPutNullsFirstAscendingAsTheEngineDoes) {
    connection_.execute(QStringLiteral("INSERT INTO NOTES (KEIMENO) VALUES ('χωρίς')"));
    db::Query query(connection_, QStringLiteral("SELECT KEIMENO, N FROM NOTES"));
    query.open();
    const auto sortedBy = [&query](const QString& orderBy) {
        query.sortRows(orderBy);
        QStringList texts;
        for (int row = 0; row < query.rowCount(); ++row) {
            texts.append(query.textAt(row, 0));
        }
        return texts;
    };
    EXPECT_EQ(
        sortedBy(QStringLiteral("N ASC")),
        QStringList({QStringLiteral("χωρίς"), QStringLiteral("πρώτη"), QStringLiteral("δεύτερη")}));
    EXPECT_EQ(
        sortedBy(QStringLiteral("N DESC")),
        QStringList({QStringLiteral("δεύτερη"), QStringLiteral("πρώτη"), QStringLiteral("χωρίς")}));
}

// Texts are shared between cells that repeat them; a column that hardly repeats stops being
// looked up. Either way every cell must read back what is stored, sorted or not.
TEST_F(TableTest, LargeResultsReadEveryTextAsStored) {
    connection_.executeNative(QStringLiteral(
        "CREATE TABLE BIG (NAME TEXT, CODE TEXT, D DATE);"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 5999) "
        "INSERT INTO BIG SELECT 'όνομα ' || (i % 7), 'κ' || i, '2024-01-' || (10 + i % 9) "
        "FROM n"));
    db::Table table(connection_, QStringLiteral("BIG"));
    table.open();
    ASSERT_EQ(table.rowCount(), 6000);
    for (int row = 0; row < 6000; row += 7) {
        EXPECT_EQ(table.textAt(row, 0), QStringLiteral("όνομα %1").arg(row % 7));
        EXPECT_EQ(table.textAt(row, 1), QStringLiteral("κ%1").arg(row));
    }
    table.sortRows(QStringLiteral("D DESC, CODE"));
    EXPECT_EQ(table.textAt(0, 2), QStringLiteral("18/01/2024"));
    table.moveTo(1);
    const QString code = table.text(1);  // the hidden rowid must have moved with its row
    EXPECT_EQ(table.rowId(), code.mid(1).toLongLong() + 1);
    EXPECT_EQ(table.text(0), QStringLiteral("όνομα %1").arg(code.mid(1).toInt() % 7));
}

// A list read gradually holds, once read whole, what a whole read holds; while rows wait, the
// statement holds the read lock, and stopping the reading gives it up.
TEST_F(TableTest, QueryReadGraduallyEndsWithEveryRowAndStopsWithoutHoldingTheFile) {
    connection_.executeNative(QStringLiteral(
        "CREATE TABLE BIG (CODE TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
        "INSERT INTO BIG SELECT 'κ' || i FROM n"));
    const QString statement = QStringLiteral("SELECT CODE FROM BIG ORDER BY CODE DESC");
    db::Query whole(connection_, statement);
    whole.open();
    db::Query gradual(connection_, statement);
    gradual.openPartly(100);
    EXPECT_EQ(gradual.rowCount(), 100);
    EXPECT_EQ(gradual.position(), 0);
    gradual.readMore(899);
    EXPECT_EQ(gradual.rowCount(), 999);
    EXPECT_TRUE(gradual.hasMoreRows());
    gradual.readMore(500);
    EXPECT_FALSE(gradual.hasMoreRows());
    ASSERT_EQ(gradual.rowCount(), 1000);
    for (int row = 0; row < 1000; ++row) {
        EXPECT_EQ(gradual.textAt(row, 0), whole.textAt(row, 0));
    }
    gradual.openPartly(1000);  // exactly every row: nothing waits
    EXPECT_FALSE(gradual.hasMoreRows());

    gradual.openPartly(10);
    gradual.stopReading();
    EXPECT_EQ(gradual.rowCount(), 10);
    db::Connection other(database_.dir().connectionString());
    other.open();
    other.execute(QStringLiteral("DELETE FROM BIG"));  // waits, then fails, while a read holds
    EXPECT_EQ(db::scalar(connection_, QStringLiteral("SELECT COUNT(*) FROM BIG")).toInt(), 0);
}

}  // namespace
