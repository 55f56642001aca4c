#include "finance/receipt_issue.h"

#include "db/command.h"
#include "db/connection.h"
#include "finance/tuition_ledger.h"

namespace finance {

namespace {

QString movedMessage(int shownNumber, int currentNumber) {
    return QStringLiteral(
               "Η αρίθμηση των αποδείξεων άλλαξε στο μεταξύ: ο αριθμός %1 δόθηκε σε "
               "άλλη απόδειξη. Η καταχώρηση δεν έγινε.\n"
               "Ο αριθμός απόδειξης είναι τώρα %2. Πατήστε ξανά «Καταχώρηση» για να "
               "γίνει η καταχώρηση με αυτόν τον αριθμό.")
        .arg(shownNumber)
        .arg(currentNumber);
}

}  // namespace

ReceiptNumberMoved::ReceiptNumberMoved(int shownNumber, int currentNumber)
    : db::Error(movedMessage(shownNumber, currentNumber)),
      shownNumber_(shownNumber),
      currentNumber_(currentNumber) {}

ReceiptIssue::ReceiptIssue(db::Connection& connection, int shownNumber)
    : connection_(connection), transaction_(connection) {
    const int current = currentReceiptNumber(connection_);
    if (current != shownNumber) {
        throw ReceiptNumberMoved(shownNumber, current);
    }
}

void ReceiptIssue::commit() {
    db::Command(connection_, counterAdvanceStatement()).execute();
    transaction_.commit();
}

QString receiptNumberMovedMessage(const ReceiptNumberMoved& moved) {
    return moved.message();
}

}  // namespace finance
