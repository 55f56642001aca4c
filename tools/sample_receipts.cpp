#include "tools/sample_receipts.h"

#include <algorithm>
#include <numeric>

#include "app/money.h"

namespace sample {

namespace {

// What the database receives: the number written in the statement number format, read back.
double asStored(double value) { return app::statementNumber(value).toDouble(); }

}  // namespace

Amounts receiptAmounts(double amount, double vatRate) {
    Amounts a;
    a.amount = asStored(amount);
    a.cypAmount = asStored(app::centRound(app::extendedProduct(amount, app::kCypRate)));
    a.vat = asStored(app::centRound(app::extendedPercent(amount, vatRate)));
    a.total = asStored(a.vat + amount);
    a.cypVat = asStored(app::centRound(app::extendedPercent(a.cypAmount, vatRate)));
    a.cypTotal = asStored(app::centRound(a.cypAmount + a.cypVat));
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
