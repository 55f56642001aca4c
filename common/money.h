#pragma once

#include <QString>

namespace common {

// Cyprus pounds per euro, held with a 64-bit mantissa: as a double the factor is off enough to
// turn 7500.00 EUR into 4389.55 CYP instead of 4389.56.
inline constexpr long double kCypRate = 0.585274L;

// Rounds to cents: value / 0.01 formed in extended precision, rounded to the nearest whole
// number with halves to even, times 0.01, stored as a double. 2.625 -> 2.62, 8.775 -> 8.78,
// 0.025 -> 0.03 (what decides is the value as held in a double).
double centRound(double value);

// a * b formed in extended precision and stored as a double.
double extendedProduct(double a, long double b);
// a * rate / 100 formed in extended precision and stored as a double (VAT of an amount).
double extendedPercent(double amount, double rate);

// A number as it enters statement text: the shortest general form with at most 15 significant
// digits, no thousands separator, a point as decimal separator (7.5, 115, 0).
QString statementNumber(double value);

}  // namespace common
