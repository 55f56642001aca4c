#pragma once

#include "tools/sample_children.h"

namespace sample {

struct TuitionSummary {
    int ledgerRows = 0;
    int tuitionReceipts = 0;
    int generalReceipts = 0;
    qint64 nextReceiptNumber = 0;
};

// Writes what the payments of the years would have left: the tuition ledger (owed and paid
// months), every tuition receipt in the receipt archive (a few cancelled, some of those paid
// again), the general-purpose receipts and the receipt counter. Receipts are numbered in the
// order they were issued from firstNumber on; the counter holds the number of the next one.
TuitionSummary writeTuition(db::Connection& connection, Random& random,
                            const QList<Child>& children, const QDate& until, double vatRate,
                            qint64 firstNumber);

}  // namespace sample
