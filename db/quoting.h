#pragma once

#include <QString>

namespace db {

// A text as a literal of a statement, in single quotes; a quote inside it is doubled so that
// names such as O'Brien arrive whole instead of breaking the statement.
QString quotedText(const QString& text);

// A table or column name as the engine reads it, in double quotes; a double quote inside it is
// doubled.
QString quotedName(const QString& name);

}  // namespace db
