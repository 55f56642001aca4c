#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace children {

// The statement the registration card opens CHILDREN with: the card only appends new rows,
// so it reads none of the children already registered.
QString emptyCardStatement();

// The pending registry number: the registry number field's text without surrounding blanks.
QString pendingRegistryNumber(const QString& fieldText);

// The child's open enrolment, dated today by the engine's clock.
QString openEnrolmentStatement(const QString& registryNumber);

// Runs the two statements that follow the first save of a child's card, in order: the open
// enrolment, then this month's owed tuition row (finance::owedTuitionThisMonthStatement). A
// failure of the first throws before the second runs; the child's row stays saved either way.
void recordEnrolmentAndTuition(db::Connection& connection, const QString& registryNumber);

}  // namespace children
