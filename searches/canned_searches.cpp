#include "searches/canned_searches.h"

namespace searches {

QString CannedSearch::statement() const {
    return specialStatement.isEmpty() ? cannedSearchStatement(condition) : specialStatement;
}

QString cannedSearchHead() {
    return QStringLiteral(
        "SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,str(HMEROMHNIA_GENNHSEWS) as "
        "HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
        "THLEFWNO_ERGASIAS_KHDEMONA FROM CHILDREN WHERE ");
}

QString cannedSearchStatement(const QString& condition) {
    return cannedSearchHead() + condition + QStringLiteral(" ORDER BY EPWNYMO_PAIDIOY ASC");
}

QList<CannedSearch> cannedSearchesUnder(const QStringList& menuPath) {
    QList<CannedSearch> found;
    for (const CannedSearch& search : cannedSearches()) {
        if (search.menuPath == menuPath) {
            found.append(search);
        }
    }
    return found;
}

}  // namespace searches
