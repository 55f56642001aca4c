#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QList>
#include <QVariant>

#include "db/clock.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"
#include "receipt_fixture.h"
#include "support/delivered_database.h"

namespace financetest {

// A delivered database in a temporary program directory, a connection to it, and a fixed day
// (15 March 2008) for DATE().
class FinanceDatabase : public ::testing::Test {
protected:
    void SetUp() override { db::Clock::set(QDateTime(QDate(2008, 3, 15), QTime(10, 0))); }
    void TearDown() override { db::Clock::reset(); }

    QVariant scalar(const QString& statement) { return db::scalar(connection_, statement); }
    int count(const QString& table) {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }
    void run(const QString& statement) { connection_.execute(statement); }

    void setCounter(int next) { setReceiptCounter(connection_, next); }
    int counter() { return receiptCounter(connection_); }
    void setVatRate(double rate) {
        run(QStringLiteral("UPDATE SYNTELESTHS_VAT SET VAT_RATIO=%1").arg(rate));
    }
    void addOwedMonth(int child, int month, int year) {
        run(QStringLiteral("INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) "
                           "VALUES(%1,%2,%3,'Χ')")
                .arg(child)
                .arg(month)
                .arg(year));
    }
    // Makes the engine refuse every insert into (or update of) a table, as a full disk or a
    // damaged table would.
    void refuse(const QString& action, const QString& table) {
        connection_.executeNative(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON %2 BEGIN "
                                                 "SELECT RAISE(ABORT, 'refused'); END")
                                      .arg(action, table));
    }

    testsupport::DeliveredDatabase database_;
    db::Connection& connection_ = database_.connection();
};

}  // namespace financetest
