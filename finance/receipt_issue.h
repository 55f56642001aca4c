#pragma once

#include <QString>

#include "db/error.h"
#include "db/transaction.h"

namespace db {
class Connection;
}

namespace finance {

// The receipt counter moved on after the window read the number it shows: another window or
// another copy of the program issued a receipt meanwhile. Nothing of the receipt was written.
class ReceiptNumberMoved : public db::Error {
public:
    ReceiptNumberMoved(int shownNumber, int currentNumber);
    int shownNumber() const { return shownNumber_; }
    int currentNumber() const { return currentNumber_; }

private:
    int shownNumber_;
    int currentNumber_;
};

// Issues one receipt, tuition or general, under the number its window shows. The receipt's
// statements run between construction and commit(), in one transaction that holds the write
// lock from its start, so no other connection can issue a receipt in between. Construction reads
// the counter inside that transaction and throws ReceiptNumberMoved when it no longer holds the
// shown number (finance::currentReceiptNumber); commit() advances the counter
// (finance::counterAdvanceStatement) and commits. Without commit() nothing stays.
class ReceiptIssue {
public:
    ReceiptIssue(db::Connection& connection, int shownNumber);

    void commit();

private:
    db::Connection& connection_;
    db::Transaction transaction_;
};

QString receiptNumberMovedMessage(const ReceiptNumberMoved& moved);

}  // namespace finance
