#pragma once

#include <QList>
#include <QString>

#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"
#include "finance/tuition_receipt.h"

namespace financetest {

// Remembers which receipts were printed; can be told to fail like a missing report file.
class RecordingPrinter : public finance::TuitionReceiptPrinter {
public:
    void printReceipt(int receiptNumber) override {
        if (fail) {
            throw db::Error(QStringLiteral("Δεν βρέθηκε το αρχείο APODEIKSEIS.RAV"));
        }
        printed.append(receiptNumber);
    }
    QList<int> printed;
    bool fail = false;
};

// A recording printer that is the program's receipt print for as long as it lives.
class InstalledPrinter : public RecordingPrinter {
    finance::ScopedTuitionReceiptPrinter inPlace_{*this};
};

// The receipt counter: the number the next receipt takes.
inline void setReceiptCounter(db::Connection& connection, int next) {
    connection.execute(QStringLiteral("DELETE FROM APODEIKSH_LAST"));
    connection.execute(
        QStringLiteral("INSERT INTO APODEIKSH_LAST(LAST_NUMBER) VALUES(%1)").arg(next));
}
inline int receiptCounter(db::Connection& connection) {
    return db::scalar(connection, QStringLiteral("SELECT LAST_NUMBER FROM APODEIKSH_LAST")).toInt();
}

}  // namespace financetest
