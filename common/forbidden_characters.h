#pragma once

#include <QString>

namespace common {

// The 31 characters that typed text must not carry into a statement: ' " & * - = ! # $ [ ] ? % +
// \ | @ _ ~ ` ( ) { } < > . ; ^ : ,
QString forbiddenCharacters();

// True when none of the forbidden characters occurs in the text (the empty text passes).
bool passesForbiddenCharacterTest(const QString& text);

// The message shown where a window refuses such text at once.
inline QString forbiddenCharactersMessage() {
    return QStringLiteral("Χρησιμοποιείς μη επιτρεπόμενους χαρακτήρες");
}

}  // namespace common
