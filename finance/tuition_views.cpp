#include "finance/tuition_views.h"

#include "common/date_literal.h"
#include "db/query.h"

namespace finance {

namespace {

QString paidMark() {
    return QStringLiteral(" AND CHECKER='Π'");
}

QString owedMark() {
    return QStringLiteral(" AND CHECKER='Χ'");
}

QString takingsHead(TakingsSource source) {
    if (source == TakingsSource::GeneralReceipts) {
        return QStringLiteral(
            "select Format(SUM(POSO),'0.00') AS POSON,Format(SUM(VAT),'0.00') AS "
            "VAT,Format((SUM(POSO_kAI_VAT)),'0.00') AS POSOPVAT FROM APODEIKSEIS_GEN WHERE "
            "HMEROMHNIA BETWEEN ");
    }
    return QStringLiteral(
        "select Format(SUM(POSO),'0.00') AS POSON,Format(SUM(VAT),'0.00') AS "
        "VAT,Format((SUM(POSO)-SUM(VAT)),'0.00') AS POSOPVAT FROM APODEIKSEIS_DIDAKTRWN WHERE "
        "HMEROMHNIA BETWEEN ");
}

QString takingsTail(TakingsSource source) {
    return source == TakingsSource::GeneralReceipts ? QStringLiteral(" AND EGKYRO=TRUE")
                                                    : QString();
}

}  // namespace

QString paidMonthsStatement(const QString& childNumber) {
    return QStringLiteral(
               "select ARITHMOS_APODEIKSHS,Format(POSO,'0.00') AS "
               "POSO,HMEROMHNIA,MHNAS,ETOS,Format(VAT,'0.00') AS VAT, Format((VAT+POSO),'0.00') "
               "AS POSOVAT FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=") +
           childNumber + paidMark() + QStringLiteral(" ORDER BY HMEROMHNIA ASC");
}

QString paidTotalsStatement(const QString& childNumber) {
    return QStringLiteral(
               "select count(*) as SYNOLO, Format(SUM(POSO),'0.00') AS EISPRAKSEIS, "
               "Format(SUM(VAT),'0.00') AS VAT, Format(SUM(POSO+VAT),'0.00') AS POSOVAT FROM "
               "APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=") +
           childNumber + paidMark();
}

QString owedMonthsStatement(const QString& childNumber) {
    return QStringLiteral("select MHNAS,ETOS FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=") +
           childNumber + owedMark() + QStringLiteral(" ORDER BY HMEROMHNIA ASC");
}

QString owedCountStatement(const QString& childNumber) {
    return QStringLiteral(
               "select count(*) as SYNOLO FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=") +
           childNumber + owedMark();
}

std::optional<QString> takingsStatement(TakingsSource source, const QString& typedFrom,
                                        const QString& typedTo) {
    const QString from = common::dateLiteral(typedFrom.trimmed());
    const QString to = common::dateLiteral(typedTo.trimmed());
    if (from == common::dateLiteralError() || to == common::dateLiteralError()) {
        return std::nullopt;
    }
    return takingsHead(source) + from + QStringLiteral(" AND ") + to + takingsTail(source);
}

std::optional<Takings> findTakings(db::Connection& connection, TakingsSource source,
                                   const QString& typedFrom, const QString& typedTo) {
    const std::optional<QString> statement = takingsStatement(source, typedFrom, typedTo);
    if (!statement) {
        return std::nullopt;
    }
    db::Query sums(connection, *statement);
    sums.open();
    return Takings{sums.text(QStringLiteral("POSON")), sums.text(QStringLiteral("VAT")),
                   sums.text(QStringLiteral("POSOPVAT"))};
}

}  // namespace finance
