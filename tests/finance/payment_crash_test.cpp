#include <errno.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <QRandomGenerator>

#include "db/clock.h"
#include "db/connection.h"
#include "db/query.h"
#include "finance/general_receipt.h"
#include "finance/payment.h"
#include "receipt_fixture.h"
#include "support/delivered_database.h"

using namespace Qt::StringLiterals;

namespace {

// At least this many kills; more, up to the most, while the kills have not yet fallen inside a
// transaction and after both kinds of receipt (a busy machine may give the child little time).
constexpr int kKills = 30;
constexpr int kMostKills = 200;
constexpr int kChildren = 4;

class NoPrinter : public finance::TuitionReceiptPrinter, public finance::GeneralReceiptPrinter {
public:
    void printReceipt(int) override {}
    void printGeneralReceipt(int) override {}
};

// The payment window's request for one month of one child, with the number the counter shows.
finance::PaymentRequest payment(int round, int receiptNumber) {
    const int child = round % kChildren + 1;
    const int month = round / kChildren % 12 + 1;
    const int year = 2008 + round / (kChildren * 12) % 20;
    return {QString::number(child),        u"Ελένη"_s,  u"Παπαδάκη"_s,       QString::number(month),
            QString::number(year),         u"150,50"_s, u"Μαρία Παπαδάκη"_s, u"15"_s,
            QString::number(receiptNumber)};
}

// A general receipt, under the same counter as the tuition receipts.
finance::GeneralReceiptRequest generalReceipt(int receiptNumber) {
    return {u"Ελένη"_s, u"Παπαδάκη"_s, u"Μαρία Παπαδάκη"_s,           u"Εκδρομή"_s,
            u"20,00"_s, u"15"_s,       QString::number(receiptNumber)};
}

// The process the test kills: tells the test it is ready, then pays a month and issues a
// general receipt by turns (beginning with either, as its first round says), as fast as it can,
// until it dies.
[[noreturn]] void payInALoop(const QString& connectionString, int firstRound, int readyPipe) {
    alarm(30);  // never outlives a test that failed to kill it
    try {
        db::Connection connection(connectionString);
        connection.open();
        NoPrinter printer;
        if (write(readyPipe, "r", 1) != 1) {
            _exit(3);
        }
        for (int round = firstRound;; ++round) {
            const int next = financetest::receiptCounter(connection);
            if (round % 2 == 0) {
                finance::payTuition(connection, payment(round, next), printer);
            } else {
                finance::issueGeneralReceipt(connection, generalReceipt(next), printer);
            }
        }
    } catch (...) {
        _exit(2);
    }
}

// Starts the paying process and returns once it has its connection open, however slowly it
// starts (with sanitizers it takes a while).
pid_t startPaying(const QString& connectionString, int firstRound) {
    int ready[2];
    if (pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        payInALoop(connectionString, firstRound, ready[1]);
    }
    close(ready[1]);
    char byte = 0;
    while (child > 0 && read(ready[0], &byte, 1) < 0 && errno == EINTR) {
    }
    close(ready[0]);
    return child;
}

int number(db::Connection& connection, const QString& statement) {
    return db::scalar(connection, statement).toInt();
}

// A process paying tuition and issuing general receipts is killed at random moments, as a power
// cut or a crash would stop the program. Every time, the file must be whole and its receipts
// consistent: each number used once across both kinds, each paid month backed by its valid
// archived receipt, the counter past them all.
TEST(PaymentCrash, AKilledPaymentLeavesNoHalfWrittenReceipt) {
    testsupport::TempProgramDir dir;
    testsupport::makeDeliveredDatabase(dir);
    {
        db::Connection connection(dir.connectionString());
        connection.open();
        financetest::setReceiptCounter(connection, 1001);
    }
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE("seed " + std::to_string(seed));
    QRandomGenerator random(seed);
    int interruptedTransactions = 0;
    int receipts = 0;
    int generalReceipts = 0;
    const auto coverageReached = [&] {
        return receipts > 0 && generalReceipts > 0 && interruptedTransactions > 0;
    };
    for (int kill = 0; kill < kMostKills && (kill < kKills || !coverageReached()); ++kill) {
        const pid_t child = startPaying(dir.connectionString(), kill * 97);
        ASSERT_GT(child, 0);
        usleep(random.bounded(2000, 60000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the paying process ended by itself, status " << status;
        if (QFileInfo(dir.databasePath() + u"-journal"_s).size() > 0) {
            ++interruptedTransactions;
        }

        db::Connection connection(dir.connectionString());
        connection.open();
        ASSERT_EQ(db::scalar(connection, u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
        EXPECT_EQ(number(connection,
                         u"SELECT count(*) FROM (SELECT NUMBER FROM (SELECT ARITHMOS_APODEIKSHS "
                         "AS NUMBER FROM APODEIKSEIS_HISTORY UNION ALL SELECT AR_APODEIKSHS FROM "
                         "APODEIKSEIS_GEN) GROUP BY NUMBER HAVING count(*) > 1)"_s),
                  0);
        EXPECT_EQ(number(connection,
                         u"SELECT count(*) FROM APODEIKSEIS_DIDAKTRWN L WHERE CHECKER='Π' AND NOT "
                         "EXISTS (SELECT 1 FROM APODEIKSEIS_HISTORY H WHERE "
                         "H.ARITHMOS_APODEIKSHS=L.ARITHMOS_APODEIKSHS AND H.EGKYRO=1 AND "
                         "H.ARITHMOS_MHTRWOY=L.ARITHMOS_MHTRWOY AND H.MHNAS=L.MHNAS AND "
                         "H.ETOS=L.ETOS AND H.POSO=L.POSO AND H.VAT=L.VAT)"_s),
                  0);
        const int highest = number(
            connection,
            u"SELECT max(CAST(NUMBER AS INTEGER)) FROM (SELECT ARITHMOS_APODEIKSHS AS NUMBER FROM "
            "APODEIKSEIS_HISTORY UNION ALL SELECT AR_APODEIKSHS FROM APODEIKSEIS_GEN)"_s);
        generalReceipts = number(connection, u"SELECT count(*) FROM APODEIKSEIS_GEN"_s);
        receipts =
            number(connection, u"SELECT count(*) FROM APODEIKSEIS_HISTORY"_s) + generalReceipts;
        EXPECT_EQ(financetest::receiptCounter(connection), 1001 + receipts);
        EXPECT_GT(financetest::receiptCounter(connection), highest);
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    // The kills fell while payments were being made, some of them in the middle of one.
    EXPECT_GT(receipts, 0);
    EXPECT_GT(generalReceipts, 0);
    EXPECT_GT(interruptedTransactions, 0);
    RecordProperty("interruptedTransactions", interruptedTransactions);
}

}  // namespace
