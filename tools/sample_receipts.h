#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace sample {

// The amounts of one receipt, computed by the payment window's own rules, each value as the
// statement text carries it into the database.
struct Amounts {
    double amount = 0;  // net, as typed
    double vat = 0;
    double total = 0;
    double cypAmount = 0;
    double cypVat = 0;
    double cypTotal = 0;
};
Amounts receiptAmounts(double amount, double vatRate);

// One receipt issued, tuition or general-purpose.
struct Receipt {
    QDate issued;
    double amount = 0;
    qint64 child = 0;  // registry number; tuition receipts only
    int month = 0;     // the month paid; tuition receipts only
    int year = 0;
    QString firstName;
    QString surname;
    QString recipient;
    QString description;  // general-purpose receipts only
    bool general = false;
    bool cancelled = false;
    qint64 number = 0;  // given by numberReceipts()
};

// Numbers the receipts in the order they were issued (by day, then as listed), from first on,
// leaving the list in its order; returns the number the next receipt will carry.
qint64 numberReceipts(QList<Receipt>& receipts, qint64 first);

}  // namespace sample
