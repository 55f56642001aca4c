#pragma once

#include <QString>
#include <QVariant>

namespace reports {

// How a report prints one value: dates dd/mm/yyyy, yes/no as Ναι/Όχι, decimals with a comma,
// null as nothing.
QString cellText(const QVariant& value);

// An amount with two decimals in the Greek way ("1.234,50"), read from a number written with a
// point or a comma ("1234.5", "1234,50"). Text that is not a number is returned trimmed.
QString moneyText(const QString& text);

// A date written yyyy-mm-dd (with or without a time) or d/m/yyyy as dd/mm/yyyy; other text is
// returned trimmed.
QString dateText(const QString& text);

// The same date written out in Greek with its weekday ("Τρίτη 5 Μαρτίου 2024").
QString longDateText(const QString& text);

// The name of month 1 to 12 ("Ιανουάριος" ... "Δεκέμβριος"); other text is returned trimmed.
QString monthName(const QString& text);
// The same in the genitive, as a receipt writes the month paid ("Δίδακτρα μηνός Δεκεμβρίου").
QString monthNameGenitive(const QString& text);

// Reads a number written with a point or a comma as decimal separator; sets *ok.
double parseNumber(const QString& text, bool* ok);

}  // namespace reports
