#pragma once

#include <QString>

namespace children {

// A child's body measurements (CHILDREN_METRHSEIS): day, height and weight.
QString measurementsTable();

// The child's measurements, oldest first, height and weight with two decimals. Read as rows of
// the table itself, so that each is deleted by its own row and not by its day.
QString measurementListStatement(const QString& registryNumber);

}  // namespace children
