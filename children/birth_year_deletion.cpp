#include "children/birth_year_deletion.h"

#include <algorithm>

#include "db/command.h"
#include "db/query.h"

namespace children {

using namespace Qt::StringLiterals;

namespace {
constexpr int kFirstYear = 2003;
constexpr int kLastYearAtLeast = 2030;
}  // namespace

common::YearRange birthYearRange(int earliestBirthYear) {
    return {earliestBirthYear > 0 ? std::min(kFirstYear, earliestBirthYear) : kFirstYear,
            kLastYearAtLeast};
}

QStringList birthYears(db::Connection& connection, const QDate& today) {
    const QVariant earliest =
        db::scalar(connection, u"SELECT MIN(YEAR(HMEROMHNIA_GENNHSEWS)) FROM CHILDREN"_s);
    return common::yearList(birthYearRange(earliest.isNull() ? 0 : earliest.toInt()), today);
}

QString birthYearDeletionStatement(const QString& year) {
    return u"DELETE FROM CHILDREN WHERE YEAR(HMEROMHNIA_GENNHSEWS)="_s + year;
}

void deleteChildrenBornIn(db::Connection& connection, const QString& year) {
    db::Command(connection).execute(birthYearDeletionStatement(year));
}

}  // namespace children
