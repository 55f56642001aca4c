#include "common/money.h"

#include <cfenv>
#include <cmath>

namespace common {

double centRound(double value) {
    // The quotient by the double nearest 0.01 is formed with a 64-bit mantissa; rounding is to
    // nearest with ties to even (the default mode, which nearbyintl honours).
    const long double cent = 0.01;
    const long double quotient = static_cast<long double>(value) / cent;
    return static_cast<double>(std::nearbyintl(quotient) * cent);
}

double extendedProduct(double a, long double b) {
    return static_cast<double>(static_cast<long double>(a) * b);
}

double extendedPercent(double amount, double rate) {
    return static_cast<double>(static_cast<long double>(amount) * static_cast<long double>(rate) /
                               100.0L);
}

QString statementNumber(double value) {
    if (value == 0) {
        return QStringLiteral("0");  // also for -0
    }
    return QString::number(value, 'g', 15);
}

}  // namespace common
