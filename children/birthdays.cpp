#include "children/birthdays.h"

namespace children {

QString birthdaysStatement(int day, int month) {
    return QStringLiteral(
               "select ARITHMOS_MHTRWOY, ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS, "
               "DIEYTHYNSH_OIKIAS, THLEFWNO_OIKIAS FROM CHILDREN WHERE "
               "DAY(HMEROMHNIA_GENNHSEWS)=") +
           QString::number(day) + QStringLiteral(" AND MONTH(HMEROMHNIA_GENNHSEWS)=") +
           QString::number(month) + QStringLiteral(" AND ENERGO=") + QStringLiteral("'") +
           QStringLiteral("ΝΑΙ") + QStringLiteral("'") +
           QStringLiteral(" ORDER BY EPWNYMO_PAIDIOY ");
}

QString birthdaysCountStatement(int day, int month) {
    return QStringLiteral(
               "select count(*) as synolo FROM CHILDREN WHERE DAY(HMEROMHNIA_GENNHSEWS)=") +
           QString::number(day) + QStringLiteral(" AND MONTH(HMEROMHNIA_GENNHSEWS)=") +
           QString::number(month) + QStringLiteral(" AND ENERGO=") + u'\'' + QStringLiteral("ΝΑΙ") +
           u'\'';
}

}  // namespace children
