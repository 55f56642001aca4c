#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace children {

// A child's enrolment periods (CHILDREN_EGG_DIAG), oldest first. A period is open while its
// reason of de-enrolment is empty; re-enrolment opens one, de-enrolment closes it, and both
// keep the child's active flag (CHILDREN.ENERGO) in step.

QString historyStatement(const QString& registryNumber);
QString openPeriodsStatement(const QString& registryNumber);
int openPeriodCount(db::Connection& connection, const QString& registryNumber);

// Re-enrolment offers itself only while the child has no open period; de-enrolment only on a
// current row whose reason is empty.
bool reEnrolmentAllowed(int openPeriods);
bool deEnrolmentAllowed(int historyRows, const QString& currentReason);

QString newPeriodStatement(const QString& registryNumber, const QString& typedDate);
QString activeStatement(const QString& registryNumber);
QString closingStatement(const QString& registryNumber, const QString& typedDate,
                         const QString& reason, const QString& enrolmentDate);
QString inactiveStatement(const QString& registryNumber);

// Opens a period dated with the typed date and marks the child active, both or neither
// (db::Error on a refusal, such as a date that is not one); then adds this month's owed tuition
// row, ignoring its refusal (the month may have its row already).
void reEnrol(db::Connection& connection, const QString& registryNumber, const QString& typedDate);

// Closes the period that began on enrolmentDate (dd/mm/yyyy as the history shows it) with the
// typed date and the reason, trimmed, and marks the child inactive: both or neither (db::Error
// on a refusal). Tuition rows already created stay.
void deEnrol(db::Connection& connection, const QString& registryNumber, const QString& typedDate,
             const QString& reason, const QString& enrolmentDate);

// The de-enrolment may run when neither field holds a forbidden character and both hold text.
bool deEnrolmentInputAccepted(const QString& typedDate, const QString& reason);

}  // namespace children
