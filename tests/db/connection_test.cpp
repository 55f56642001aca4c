#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <chrono>
#include <thread>

#include "db/connection.h"
#include "db/connection_string.h"
#include "db/error.h"
#include "db/query.h"
#include "db/transaction.h"
#include "support/temp_database.h"

namespace {

using testsupport::TempProgramDir;

TEST(ConnectionString, IsBuiltAsTheProgramWritesItAndReadsBack) {
    const QString text =
        db::buildConnectionString(QStringLiteral("/opt/kinder;garten"), QStringLiteral("QRT731K"));
    EXPECT_EQ(text, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=\"\";Data Source="
                                   "/opt/kinder;garten/data.mdb;Persist Security Info=True;"
                                   "Jet OLEDB:Database Password=QRT731K"));
    const db::ConnectionSettings settings = db::parseConnectionString(text);
    EXPECT_EQ(settings.dataSource, QStringLiteral("/opt/kinder;garten/data.mdb"));
    EXPECT_EQ(settings.password, QStringLiteral("QRT731K"));
}

TEST(Connection, OpensTheEncryptedFileWithItsPasswordOnly) {
    TempProgramDir dir;
    testsupport::makeEmptyDatabase(dir);
    {
        db::Connection connection(dir.connectionString());
        connection.open();
        connection.executeNative(QStringLiteral("CREATE TABLE T(X TEXT)"));
        EXPECT_EQ(connection.execute(QStringLiteral("INSERT INTO T VALUES ('ένα')")), 1);
    }
    // The file holds no readable text: it is encrypted.
    QFile file(dir.databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("SQLite format 3"));

    db::Connection wrong(db::buildConnectionString(dir.path(), QStringLiteral("other")));
    try {
        wrong.open();
        FAIL() << "a wrong password must not open the file";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("not a database"))) << error.what();
        EXPECT_FALSE(wrong.isOpen());
    }
}

TEST(Connection, NeverCreatesAMissingFileAndRefusesAFileThatIsNoDatabase) {
    TempProgramDir dir;
    db::Connection missing(dir.connectionString());
    EXPECT_THROW(missing.open(), db::Error);
    EXPECT_FALSE(QFile::exists(dir.databasePath()));

    QFile junk(dir.databasePath());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    db::Connection notADatabase(dir.connectionString());
    EXPECT_THROW(notADatabase.open(), db::Error);
    EXPECT_THROW(db::Connection::createFile(dir.databasePath(), db::databasePassword()), db::Error);
}

TEST(Connection, SeesWhatAnotherConnectionCommitted) {
    TempProgramDir dir;
    testsupport::makeEmptyDatabase(dir);
    db::Connection first(dir.connectionString());
    db::Connection second(dir.connectionString());
    first.open();
    second.open();
    first.executeNative(QStringLiteral("CREATE TABLE T(N INTEGER)"));
    first.execute(QStringLiteral("INSERT INTO T VALUES (7)"));
    EXPECT_EQ(db::scalar(second, QStringLiteral("SELECT SUM(N) FROM T")).toLongLong(), 7);
}

TEST(Transaction, RollsBackEverythingUnlessCommitted) {
    testsupport::EmptyDatabase database;
    db::Connection& connection = database.connection();
    connection.executeNative(QStringLiteral("CREATE TABLE T(N INTEGER UNIQUE)"));
    try {
        db::Transaction transaction(connection);
        connection.execute(QStringLiteral("INSERT INTO T VALUES (1)"));
        connection.execute(QStringLiteral("INSERT INTO T VALUES (1)"));  // refused
        transaction.commit();
    } catch (const db::Error&) {
    }
    EXPECT_EQ(db::scalar(connection, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 0);
    {
        db::Transaction transaction(connection);
        connection.execute(QStringLiteral("INSERT INTO T VALUES (2)"));
        transaction.commit();
    }
    EXPECT_EQ(db::scalar(connection, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1);
}

// Another connection writing holds the file for a moment; it lets go after kHeldMs.
class HeldFile {
public:
    static constexpr int kHeldMs = 300;

    HeldFile(db::Connection& holder, const char* begin) : holder_(holder) {
        holder_.executeNative(QString::fromLatin1(begin));
        release_ = std::thread([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(kHeldMs));
            holder_.executeNative(QStringLiteral("COMMIT"));
        });
    }
    ~HeldFile() { release_.join(); }

private:
    db::Connection& holder_;
    std::thread release_;
};

TEST(Connection, WaitsForAnotherConnectionsLockAndOnlyThenFailsAsBusy) {
    testsupport::EmptyDatabase database;
    db::Connection& holder = database.connection();
    holder.executeNative(QStringLiteral("CREATE TABLE T(N INTEGER)"));

    // Opening reads the schema: it waits while another connection writes the file out.
    db::Connection waiting(database.dir().connectionString());
    {
        HeldFile held(holder, "BEGIN EXCLUSIVE");
        EXPECT_NO_THROW(waiting.open());
    }
    // A write waits for another connection's transaction to end.
    {
        HeldFile held(holder, "BEGIN IMMEDIATE");
        EXPECT_NO_THROW(db::Transaction(waiting).commit());
        EXPECT_NO_THROW(waiting.execute(QStringLiteral("INSERT INTO T VALUES (1)")));
    }

    // A lock held past the wait (shortened here) fails the write as busy, and only that does.
    holder.executeNative(QStringLiteral("BEGIN IMMEDIATE"));
    waiting.executeNative(QStringLiteral("PRAGMA busy_timeout = 100"));
    try {
        waiting.execute(QStringLiteral("INSERT INTO T VALUES (2)"));
        ADD_FAILURE() << "the write did not meet the lock";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.isBusy());
        EXPECT_EQ(error.message(), QStringLiteral("database is locked"));
    }
    EXPECT_THROW(db::Transaction{waiting}, db::Error);
    holder.executeNative(QStringLiteral("ROLLBACK"));
    try {
        waiting.execute(QStringLiteral("INSERT INTO NOWHERE VALUES (2)"));
        ADD_FAILURE() << "the engine took a statement on a missing table";
    } catch (const db::Error& error) {
        EXPECT_FALSE(error.isBusy());
    }
    EXPECT_EQ(db::scalar(holder, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 1);
}

TEST(Statement, RefusesASecondStatementSmuggledIntoOne) {
    testsupport::EmptyDatabase database;
    db::Connection& connection = database.connection();
    connection.executeNative(QStringLiteral("CREATE TABLE T(N INTEGER)"));
    EXPECT_THROW(connection.execute(QStringLiteral("INSERT INTO T VALUES (1); DROP TABLE T")),
                 db::Error);
    EXPECT_EQ(db::scalar(connection, QStringLiteral("SELECT COUNT(*) FROM T")).toInt(), 0);
}

}  // namespace
