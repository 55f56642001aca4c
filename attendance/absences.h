#pragma once

#include <QString>
#include <optional>

#include "searches/parametrised_searches.h"

namespace db {
class Connection;
}

namespace attendance {

// The absences of one child, the latest day first.
QString absencesStatement(const QString& childNumber);

// Records one day of absence typed as dd/mm/yyyy; the text is trimmed first. A text that is not
// a date reaches the engine as the invalid marker, so the engine refuses it; so does a second
// absence of the child on the same day (the table's key). Either way db::Error is thrown and
// nothing is inserted.
void recordAbsence(db::Connection& connection, const QString& childNumber, const QString& typedDay);

// The message of an absence that was not recorded.
QString absenceNotRecordedMessage();

// The absence check: every child, enrolled or not, whose number of absences from `from` to `to`
// (both days included) lies from `lowest` to `highest`, sorted by surname. A child without an
// absence in the period is never listed. Nothing is returned when a text, trimmed, is not a date
// or a whole number as it should be.
std::optional<searches::SearchRequest> absenceCheck(const QString& from, const QString& to,
                                                    const QString& lowest, const QString& highest);

}  // namespace attendance
