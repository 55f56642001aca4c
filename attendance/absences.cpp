#include "attendance/absences.h"

#include "common/date_literal.h"
#include "db/connection.h"

namespace attendance {

QString absencesStatement(const QString& childNumber) {
    return QStringLiteral(
               "select ARITHMOS_MHTRWOY,HMEROMHNIA FROM APOYSIES WHERE ARITHMOS_MHTRWOY=") +
           childNumber + QStringLiteral(" ORDER BY HMEROMHNIA DESC");
}

void recordAbsence(db::Connection& connection, const QString& childNumber,
                   const QString& typedDay) {
    connection.execute(QStringLiteral("insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) VALUES(") +
                       childNumber + u',' + common::dateLiteral(typedDay.trimmed()) + u')');
}

QString absenceNotRecordedMessage() {
    return QStringLiteral("Η καταχώρηση δεν έγινε.");
}

std::optional<searches::SearchRequest> absenceCheck(const QString& from, const QString& to,
                                                    const QString& lowest, const QString& highest) {
    const QString fromLiteral = common::dateLiteral(from.trimmed());
    const QString toLiteral = common::dateLiteral(to.trimmed());
    if (fromLiteral == common::dateLiteralError() || toLiteral == common::dateLiteralError() ||
        !searches::isWholeNumber(lowest) || !searches::isWholeNumber(highest)) {
        return std::nullopt;
    }
    // Grouping by the child's columns counts its absences in the period; a child with none has
    // no row to count, whatever the lowest count.
    return searches::SearchRequest{
        QStringLiteral("ΕΛΕΓΧΟΣ ΑΠΟΥΣΙΩΝ"),
        QStringLiteral(
            "select CHILDREN.ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, "
            "EPWNYMO_PAIDIOY,STR(HMEROMHNIA_GENNHSEWS) AS HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,"
            "ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA from "
            "APOYSIES , CHILDREN where CHILDREN.ARITHMOS_MHTRWOY=APOYSIES.ARITHMOS_MHTRWOY and "
            "HMEROMHNIA BETWEEN ") +
            fromLiteral + QStringLiteral(" AND ") + toLiteral +
            QStringLiteral(
                " GROUP BY  CHILDREN.ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, "
                "EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,"
                "ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA  HAVING COUNT(*) "
                "BETWEEN ") +
            lowest.trimmed() + QStringLiteral(" AND ") + highest.trimmed() +
            QStringLiteral(" ORDER BY EPWNYMO_PAIDIOY ASC")};
}

}  // namespace attendance
