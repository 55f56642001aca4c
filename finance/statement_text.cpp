#include "finance/statement_text.h"

#include <cmath>

#include "db/error.h"

namespace finance {

double numberFromText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);  // the C locale: a point, no grouping
    if (!ok || !std::isfinite(value)) {
        throw db::Error(QStringLiteral("Το «%1» δεν είναι αριθμός.").arg(text.trimmed()));
    }
    return value;
}

int receiptNumberFromText(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok) {
        throw db::Error(QStringLiteral("Το «%1» δεν είναι αριθμός απόδειξης.").arg(text.trimmed()));
    }
    return number;
}

}  // namespace finance
