#pragma once

// A program directory with the delivered database, children and their absences, and a look at
// the register the build left.

#include <QString>

#include "common/program_context.h"
#include "db/connection.h"
#include "db/query.h"
#include "support/delivered_database.h"

namespace attendancetest {

class AttendanceDatabase : public testsupport::DeliveredDatabase {
public:
    void addChild(int number, const QString& firstName, const QString& surname,
                  bool active = true) {
        connection().execute(
            QStringLiteral("INSERT INTO CHILDREN (ARITHMOS_MHTRWOY, ONOMA_PAIDIOY, "
                           "EPWNYMO_PAIDIOY, HMEROMHNIA_GENNHSEWS, ENERGO) VALUES (%1, '%2', '%3', "
                           "#3/5/2006#, '%4')")
                .arg(QString::number(number), firstName, surname,
                     active ? QStringLiteral("ΝΑΙ") : QStringLiteral("ΟΧΙ")));
    }

    // Absences of a child on days written m/d/yyyy.
    void addAbsences(int number, const QStringList& days) {
        for (const QString& day : days) {
            connection().execute(
                QStringLiteral("INSERT INTO APOYSIES (ARITHMOS_MHTRWOY, HMEROMHNIA) VALUES (%1, "
                               "#%2#)")
                    .arg(QString::number(number), day));
        }
    }

    int count(const QString& statement) { return db::scalar(connection(), statement).toInt(); }

    // The 31 day marks of a child's register row, a blank day shown as '-'; empty when the
    // child is not on the register.
    QString marks(int number) {
        db::Query row(
            connection(),
            QStringLiteral("SELECT * FROM APOYSIES_TEMP WHERE ARITHMOS_MHTRWOY=%1").arg(number));
        row.open();
        QString marks;
        for (int day = 1; row.rowCount() == 1 && day <= 31; ++day) {
            const QString mark = row.text(QStringLiteral("M%1").arg(day));
            marks += mark.isEmpty() ? QStringLiteral("-") : mark;
        }
        return marks;
    }

    QStringList titleLines() {
        db::Query lines(connection(), QStringLiteral("SELECT KEIMENO1, KEIMENO2 FROM PERIGRAFH"));
        lines.open();
        return {lines.text(0), lines.text(1)};
    }

    // Every day present, except the days given (1-based) absent and the last `blank` days blank.
    static QString expectedMarks(const QList<int>& absentDays, int blank = 0) {
        QString marks(31, QChar(u'Π'));
        for (int day : absentDays) {
            marks[day - 1] = QChar(u'Α');
        }
        for (int day = 31 - blank; day < 31; ++day) {
            marks[day] = u'-';
        }
        return marks;
    }

    const common::ProgramContext context = dir().programContext();
};

}  // namespace attendancetest
