#include "tools/sample_receipts.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "common/money.h"
#include "db/error.h"
#include "db/typed_value.h"
#include "finance/payment.h"

namespace sample {

namespace {

// What the database receives: the number written in the statement number format, read back.
double asStored(const QString& statementText) {
    bool ok = false;
    return db::parseDecimal(statementText, &ok);
}

}  // namespace

// The payment window's own computation, so the sample holds exactly what a payment would write.
Amounts receiptAmounts(double amount, double vatRate) {
    const std::optional<finance::ReceiptAmounts> texts =
        finance::receiptAmounts(common::statementNumber(amount), common::statementNumber(vatRate));
    if (!texts) {
        throw db::Error(QStringLiteral("A sample receipt needs an amount above zero"));
    }
    Amounts a;
    a.amount = asStored(texts->amount);
    a.vat = asStored(texts->vat);
    a.total = asStored(texts->total);
    a.cypAmount = asStored(texts->cypAmount);
    a.cypVat = asStored(texts->cypVat);
    a.cypTotal = asStored(texts->cypTotal);
    return a;
}

qint64 numberReceipts(QList<Receipt>& receipts, qint64 first) {
    QList<qsizetype> order(receipts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&receipts](qsizetype a, qsizetype b) {
        return receipts.at(a).issued < receipts.at(b).issued;
    });
    qint64 number = first;
    for (qsizetype index : order) {
        receipts[index].number = number++;
    }
    return number;
}

}  // namespace sample
