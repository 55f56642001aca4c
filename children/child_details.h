#pragma once

#include <QString>

namespace children {

// The child details window's select: the child's whole CHILDREN row, by registry number.
QString childDetailsStatement(const QString& registryNumber);

}  // namespace children
