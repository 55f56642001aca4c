#pragma once

#include <QString>

namespace organiser {

// The organiser's three record books: the table each edits and the order it lists them in.
struct Book {
    QString table;
    QString sort;
};

// Notes, alphabetically by heading.
inline Book notesBook() {
    return {QStringLiteral("NOTES"), QStringLiteral("TITLE ASC")};
}
// Events, newest date first.
inline Book eventsBook() {
    return {QStringLiteral("BIBLIO_SXOLEIOY"), QStringLiteral("HMEROMHNIA DESC")};
}
// Reminders, newest date first.
inline Book remindersBook() {
    return {QStringLiteral("REMINDER"), QStringLiteral("HMEROMHNIA DESC")};
}

}  // namespace organiser
