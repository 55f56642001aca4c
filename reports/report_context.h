#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <kainjow/mustache.hpp>

namespace reports {

struct DataSet;

// What a report file's template sees:
//   <data connection name>   the rows of that data set, as a list (a section repeats per row);
//                            in each row every column by its upper-case name, as printed text
//                            (an empty or null value is false, so {{^COLUMN}} tests emptiness),
//                            plus row (1, 2, ...), first, last, even (every second row), and
//                            bar.<COLUMN>: for number columns, the value as a whole percentage
//                            (1 to 100) of the column's largest value, false when not above 0
//   count.<data connection>  the number of rows
//   printDate                the print date, dd/mm/yyyy
//   money, date, longDate,   sections that reformat what they enclose: an amount with two
//   monthName, monthGenitive decimals, a date as dd/mm/yyyy, a date with its weekday and month
//                            written out, a month number as its name (in the genitive: "μηνός
//                            Δεκεμβρίου")
kainjow::mustache::data templateData(const QList<DataSet>& dataSets, const QDate& printDate);

// HTML escaping for values, with line breaks of multi-line texts kept as <br/>.
std::string escapeValue(const std::string& text);

}  // namespace reports
