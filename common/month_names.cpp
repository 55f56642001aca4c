#include "common/month_names.h"

namespace common {

namespace {

struct Names {
    const char16_t* nominative;
    const char16_t* genitive;
};

constexpr Names kMonths[] = {
    {u"Ιανουάριος", u"Ιανουαρίου"},
    {u"Φεβρουάριος", u"Φεβρουαρίου"},
    {u"Μάρτιος", u"Μαρτίου"},
    {u"Απρίλιος", u"Απριλίου"},
    {u"Μάιος", u"Μαΐου"},
    {u"Ιούνιος", u"Ιουνίου"},
    {u"Ιούλιος", u"Ιουλίου"},
    {u"Αύγουστος", u"Αυγούστου"},
    {u"Σεπτέμβριος", u"Σεπτεμβρίου"},
    {u"Οκτώβριος", u"Οκτωβρίου"},
    {u"Νοέμβριος", u"Νοεμβρίου"},
    {u"Δεκέμβριος", u"Δεκεμβρίου"},
};

constexpr Names kMayWithDiaeresis = {u"Μάϊος", u"Μαϊου"};

constexpr int kMay = 5;

}  // namespace

QString monthName(int month, MonthCase grammaticalCase, MaySpelling maySpelling) {
    if (month < 1 || month > 12) {
        return {};
    }
    const Names& names = month == kMay && maySpelling == MaySpelling::Diaeresis
                             ? kMayWithDiaeresis
                             : kMonths[month - 1];
    return QString::fromUtf16(grammaticalCase == MonthCase::Nominative ? names.nominative
                                                                       : names.genitive);
}

}  // namespace common
