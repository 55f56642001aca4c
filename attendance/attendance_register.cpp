#include "attendance/attendance_register.h"

#include <QDate>

#include "common/month_names.h"
#include "db/connection.h"
#include "db/query.h"
#include "db/transaction.h"
#include "searches/parametrised_searches.h"

namespace attendance {

namespace {

constexpr int kDayColumns = 31;
// How often the progress is told while the absences are marked.
constexpr int kAbsencesPerStep = 64;

// The day columns past the month's last day; none for a year the calendar does not know.
QStringList missingDays(const RegisterMonth& request) {
    const int days = QDate(request.year.toInt(), request.month, 1).daysInMonth();
    QStringList missing;
    for (int day = days + 1; days > 0 && day <= kDayColumns; ++day) {
        missing << QStringLiteral("M%1").arg(day);
    }
    return missing;
}

}  // namespace

QStringList registerMonths() {
    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        months << common::monthName(month);
    }
    return months;
}

std::optional<RegisterMonth> registerMonth(const QString& typedYear, int month) {
    const QString year = typedYear.trimmed();
    if (!searches::isWholeNumber(year) || month < 1 || month > 12) {
        return std::nullopt;
    }
    return RegisterMonth{year, month};
}

QString registerTitleStatement(const RegisterMonth& request) {
    return QStringLiteral(
               "UPDATE PERIGRAFH SET KEIMENO1='ΠΑΡΟΥΣΙΟΛΟΓΙΟ',KEIMENO2='Σχολική χρονιά: ") +
           request.year + QStringLiteral(", Μήνας: ") + common::monthName(request.month) + u'\'';
}

QString clearRegisterStatement() {
    return QStringLiteral("DELETE from APOYSIES_TEMP");
}

// Every day column starts as "Π" (the table's default), except the days the month does not
// have, which are written blank so that no child reads present on a day that does not exist.
QString fillRegisterStatement(const RegisterMonth& request) {
    QString blankColumns;
    QString blanks;
    for (const QString& column : missingDays(request)) {
        blankColumns += u',' + column;
        blanks += QStringLiteral(",''");
    }
    return QStringLiteral(
               "INSERT INTO APOYSIES_TEMP(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY") +
           blankColumns +
           QStringLiteral(") SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY") + blanks +
           QStringLiteral(" FROM CHILDREN WHERE ENERGO='ΝΑΙ'");
}

QString registerDaysStatement(const RegisterMonth& request) {
    return QStringLiteral(
               "select CHILDREN.ARITHMOS_MHTRWOY as ARITHMOS_MHTRWOY, DAY(HMEROMHNIA) AS HMERA "
               "from CHILDREN,APOYSIES where APOYSIES.ARITHMOS_MHTRWOY=CHILDREN.ARITHMOS_MHTRWOY "
               "and  CHILDREN.ENERGO='ΝΑΙ' and MONTH(HMEROMHNIA)=") +
           QString::number(request.month) + QStringLiteral(" and YEAR(HMEROMHNIA)=") + request.year;
}

QString markAbsentStatement(const QString& day, const QString& childNumber) {
    return QStringLiteral("UPDATE APOYSIES_TEMP SET M") + day + QStringLiteral("='Α' WHERE ") +
           QStringLiteral("ARITHMOS_MHTRWOY=") + childNumber;
}

void buildRegister(db::Connection& connection, const RegisterMonth& request,
                   const common::Progress& progress) {
    db::Transaction transaction(connection);
    connection.execute(registerTitleStatement(request));
    connection.execute(clearRegisterStatement());
    connection.execute(fillRegisterStatement(request));
    db::Query days(connection, registerDaysStatement(request));
    days.open();
    const int dayColumn = days.columnIndex(QStringLiteral("HMERA"));
    const int childColumn = days.columnIndex(QStringLiteral("ARITHMOS_MHTRWOY"));
    const int total = days.rowCount() + 1;
    for (int row = 0; row < days.rowCount(); ++row) {
        connection.execute(
            markAbsentStatement(days.textAt(row, dayColumn), days.textAt(row, childColumn)));
        if (row % kAbsencesPerStep == 0) {
            common::report(progress, row + 1, total);
        }
    }
    transaction.commit();
    common::report(progress, total, total);
}

QString registerTable() {
    return QStringLiteral("APOYSIES_TEMP");
}

QString registerOrder() {
    return QStringLiteral("EPWNYMO_PAIDIOY ASC");
}

}  // namespace attendance
