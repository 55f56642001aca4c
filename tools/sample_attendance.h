#pragma once

#include "tools/sample_children.h"

namespace sample {

// Absences: each child is away now and then for a day or a few days running. Returns the rows.
int writeAbsences(db::Connection& connection, Random& random, const QList<Child>& children,
                  const QDate& until);

// Height and weight measured every October and March while the child is enrolled.
int writeMeasurements(db::Connection& connection, Random& random, const QList<Child>& children,
                      const QDate& until);

// Groups of the children enrolled now, by age, each with a teacher in charge; most enrolled
// children belong to one. Returns the number of groups.
int writeGroups(db::Connection& connection, Random& random, const QList<Child>& children);

}  // namespace sample
