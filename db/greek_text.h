#pragma once

#include <QString>

namespace db {

// The key by which texts compare, match and sort, as the staff expect: case-insensitive and
// accent-insensitive, final sigma as sigma. "Άννα", "αννα" and "ΑΝΝΑ" share one key.
QString comparisonKey(const QString& text);

// Compares two texts by their keys (negative, 0, positive). The engine's GREEK collation,
// LIKE and the in-memory sort of result rows all use it.
int compareGreek(const QString& a, const QString& b);
// The same order on UTF-8 texts, as the engine hands them over, without decoding them first.
int compareGreekUtf8(const char* a, int lengthA, const char* b, int lengthB);

// LIKE with % for any run of characters and _ for one character, compared by key.
bool likeGreek(const QString& text, const QString& pattern);

}  // namespace db
