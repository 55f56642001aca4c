#include "children/birthdays.h"

#include <QStringList>

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

QString monthName(int month) {
    static const QStringList names = {
        QStringLiteral("Ιανουάριος"), QStringLiteral("Φεβρουάριος"), QStringLiteral("Μάρτιος"),
        QStringLiteral("Απρίλιος"),   QStringLiteral("Μάϊος"),       QStringLiteral("Ιούνιος"),
        QStringLiteral("Ιούλιος"),    QStringLiteral("Αύγουστος"),   QStringLiteral("Σεπτέμβριος"),
        QStringLiteral("Οκτώβριος"),  QStringLiteral("Νοέμβριος"),   QStringLiteral("Δεκέμβριος"),
    };
    return month >= 1 && month <= 12 ? names.at(month - 1) : QString();
}

}  // namespace children
