#pragma once

#include <QString>

namespace directories {

// The tables of the directories and the order their entry windows list them in.
struct Directory {
    QString table;
    QString sort;
};
inline Directory phoneBook() {
    return {QStringLiteral("CONTACTS"), QStringLiteral("CONTACT ASC")};
}
inline Directory staff() {
    return {QStringLiteral("PROSWPIKO"), QStringLiteral("PERSON ASC")};
}
inline Directory doctors() {
    return {QStringLiteral("DOCTORS"), QStringLiteral("DOCTOR ASC")};
}

// True when a search text may enter a statement: trimmed, it holds no forbidden character.
bool isSearchable(const QString& typed);

// The phone book's search by the first letters of the name: both sides upper-cased.
QString phoneBookSearch(const QString& typed);
// The staff search by the first letters of the full name, compared under the engine's rules.
QString staffSearch(const QString& typed);

// Every paediatrician recorded on the children's cards, once per name, address and telephone.
QString paediatriciansStatement();

}  // namespace directories
