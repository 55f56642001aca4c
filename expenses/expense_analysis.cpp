#include "expenses/expense_analysis.h"

#include <QRegularExpression>

#include "common/date_literal.h"
#include "db/query.h"

namespace expenses {

namespace {

// An expense whose VAT was left empty still counts with its net amount: a missing VAT is zero.
QString vatOrZero() {
    return QStringLiteral("IIF(EKSODA.VAT Is Null,0,EKSODA.VAT)");
}

QString sumsSelect() {
    return QStringLiteral("Format(SUM(EKSODA.POSO),'0.00') AS AKSIA,Format(SUM(") + vatOrZero() +
           QStringLiteral("),'0.00') AS VAT, Format(SUM(EKSODA.POSO+") + vatOrZero() +
           QStringLiteral("),'0.00') AS SYNOLO");
}

std::optional<int> typedYear(const QString& typed) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    const QString text = typed.trimmed();
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.toInt();
}

}  // namespace

QString expensesTable() {
    return QStringLiteral("EKSODA");
}

QString expensesOrder() {
    return QStringLiteral("HMEROMHNIA DESC");
}

std::optional<ExpenseAnalysis> analysisBetweenDates(const QString& typedFrom,
                                                    const QString& typedTo) {
    const QString from = common::dateLiteral(typedFrom.trimmed());
    const QString to = common::dateLiteral(typedTo.trimmed());
    if (from == common::dateLiteralError() || to == common::dateLiteralError()) {
        return std::nullopt;
    }
    const QString range =
        QStringLiteral(" WHERE EKSODA.HMEROMHNIA Between ") + from + QStringLiteral(" AND ") + to;
    return ExpenseAnalysis{
        QStringLiteral("SELECT Format(EKSODA.HMEROMHNIA,\"dd/mm/yyyy\") AS HMEROMHNIA, "
                       "Format(EKSODA.POSO,'0.00') AS AKSIA, Format(EKSODA.VAT,'0.00') AS VAT, "
                       "Format((EKSODA.POSO+") +
            vatOrZero() + QStringLiteral("),'0.00') AS SYNOLO, EKSODA.PERIGRAFH FROM EKSODA") +
            range + QStringLiteral(" ORDER BY EKSODA.HMEROMHNIA ASC"),
        QStringLiteral("SELECT ") + sumsSelect() + QStringLiteral(" FROM EKSODA") + range,
    };
}

std::optional<ExpenseAnalysis> analysisByMonth(const QString& typedFromYear,
                                               const QString& typedToYear) {
    const std::optional<int> from = typedYear(typedFromYear);
    const std::optional<int> to = typedYear(typedToYear);
    if (!from || !to) {
        return std::nullopt;
    }
    const QString years =
        QStringLiteral(" FROM EKSODA WHERE YEAR(EKSODA.HMEROMHNIA) BETWEEN %1 AND %2")
            .arg(*from)
            .arg(*to);
    return ExpenseAnalysis{
        QStringLiteral("SELECT MONTH(EKSODA.HMEROMHNIA) AS [MONTH], YEAR(EKSODA.HMEROMHNIA) AS "
                       "[YEAR], ") +
            sumsSelect() + years +
            QStringLiteral(" GROUP BY MONTH(EKSODA.HMEROMHNIA), YEAR(EKSODA.HMEROMHNIA) "
                           " ORDER BY YEAR(EKSODA.HMEROMHNIA), MONTH(EKSODA.HMEROMHNIA) ASC"),
        QStringLiteral("SELECT ") + sumsSelect() + years,
    };
}

ExpenseTotals readTotals(db::Connection& connection, const ExpenseAnalysis& analysis) {
    db::Query totals(connection, analysis.totalsStatement);
    totals.open();
    if (totals.isEmpty()) {
        return {};
    }
    return {totals.text(QStringLiteral("AKSIA")), totals.text(QStringLiteral("VAT")),
            totals.text(QStringLiteral("SYNOLO"))};
}

ExpenseReport reportBetweenDates() {
    return {QStringLiteral("EKSODA1.RAV"), QStringLiteral("RvDataSetConnection3"),
            QStringLiteral("RvDataSetConnection4")};
}

ExpenseReport reportByMonth() {
    return {QStringLiteral("EKSODA2.RAV"), QStringLiteral("RvDataSetConnection5"),
            QStringLiteral("RvDataSetConnection6")};
}

}  // namespace expenses
