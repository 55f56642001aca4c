#include "finance/receipt_settings.h"

namespace finance {

std::optional<int> receiptNumberingStart(const QString& typed) {
    bool ok = false;
    const int number = typed.trimmed().toInt(&ok);
    if (!ok || number <= 0) {
        return std::nullopt;
    }
    return number;
}

// The message begins with a Latin capital H.
QString numberingRefusedMessage() {
    return QStringLiteral("H τιμή δεν είναι αποδεκτή");
}

QString numberingStoredMessage() {
    return QStringLiteral("Η καταχώρηση έγινε με επιτυχία");
}

QString vatRateStoredMessage() {
    return QStringLiteral(
        "Η καταχώρηση έγινε με επιτυχία.\nΗ λειτουργία του προγράμματος θα τερματιστεί.\nΓια να "
        "μπορέσεις να εργαστείς τρέξε ξανά το πρόγραμμα.");
}

}  // namespace finance
