#pragma once

#include <QString>

namespace common {

// The 31 characters that typed text must not carry into a statement: ' " & * - = ! # $ [ ] ? % +
// \ | @ _ ~ ` ( ) { } < > . ; ^ : ,
QString forbiddenCharacters();

// True when none of the forbidden characters occurs in the text (the empty text passes).
bool passesForbiddenCharacterTest(const QString& text);

// The first forbidden character of the text; a null QChar when there is none.
QChar firstForbiddenCharacter(const QString& text);

// Said beside a field whose text holds a forbidden character, so that the staff know why its
// action stays disabled: "Ο χαρακτήρας «.» δεν επιτρέπεται στο πεδίο «Παραλήπτης»." (or "εδώ."
// for a field without a label).
QString forbiddenCharacterNote(QChar character, const QString& fieldLabel = {});

// The message shown where a window refuses such text at once.
inline QString forbiddenCharactersMessage() {
    return QStringLiteral("Χρησιμοποιείς μη επιτρεπόμενους χαρακτήρες");
}

}  // namespace common
