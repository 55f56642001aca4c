#pragma once

#include <QString>

namespace common {

// The Greek names of the months, in the two cases the program writes them: the nominative of
// the month lists and headings ("Δεκέμβριος") and the genitive of dates ("5 Δεκεμβρίου").
enum class MonthCase { Nominative, Genitive };

// May has two spellings in the program: the modern one ("Μάιος", "Μαΐου") and the one with a
// diaeresis and no second accent ("Μάϊος", "Μαϊου") that the birthdays window and the Easter
// text have always shown.
enum class MaySpelling { Modern, Diaeresis };

// The name of month 1 to 12; empty outside.
QString monthName(int month, MonthCase grammaticalCase = MonthCase::Nominative,
                  MaySpelling maySpelling = MaySpelling::Modern);

}  // namespace common
