#pragma once

#include <QString>

namespace children {

// The three on-screen lists of enrolment periods between two typed dates, both ends included:
// the enrolments made in the interval, the de-enrolments made in it, and the periods that both
// began and ended in it. Each reads its saved query, whose order the rows keep.
enum class EnrolmentReport { Enrolments, DeEnrolments, EnrolmentsAndDeEnrolments };

QString enrolmentReportCaption(EnrolmentReport report);

// The select of a report for the typed "Από:" and "Μέχρι:" texts; a text that is not a date
// leaves the marker the engine refuses.
QString enrolmentReportStatement(EnrolmentReport report, const QString& from, const QString& to);

}  // namespace children
