#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/progress.h"

namespace db {
class Connection;
}

namespace attendance {

// The month names of the register request, January first.
QStringList registerMonths();

// What a register is built for: the calendar year as typed (trimmed) and the month 1 to 12.
struct RegisterMonth {
    QString year;
    int month = 1;
};

// The request for a typed year and a month of the list; nothing when the year, trimmed, is not
// a whole number or the month is outside 1 to 12.
std::optional<RegisterMonth> registerMonth(const QString& typedYear, int month);

// The statements of a build, in the order they run.
QString registerTitleStatement(const RegisterMonth& request);
QString clearRegisterStatement();
QString fillRegisterStatement(const RegisterMonth& request);
QString registerDaysStatement(const RegisterMonth& request);
QString markAbsentStatement(const QString& day, const QString& childNumber);

// Builds the register of the month into APOYSIES_TEMP with its title lines in PERIGRAFH: one
// row per active child, every day "Π" and the days of the child's absences "Α". Days the month
// does not have are blank. Everything is one transaction: a failure (db::Error) leaves the
// previous register and its title lines as they were. The progress is told absence by absence.
void buildRegister(db::Connection& connection, const RegisterMonth& request,
                   const common::Progress& progress = {});

// The register's scratch table and the order it is shown and printed in.
QString registerTable();
QString registerOrder();

}  // namespace attendance
