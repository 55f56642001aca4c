#include "common/forbidden_characters.h"

namespace common {

QString forbiddenCharacters() {
    return QStringLiteral("'\"&*-=!#$[]?%+\\|@_~`(){}<>.;^:,");
}

bool passesForbiddenCharacterTest(const QString& text) {
    return firstForbiddenCharacter(text).isNull();
}

QChar firstForbiddenCharacter(const QString& text) {
    const QString forbidden = forbiddenCharacters();
    for (QChar c : text) {
        if (forbidden.contains(c)) {
            return c;
        }
    }
    return {};
}

QString forbiddenCharacterNote(QChar character, const QString& fieldLabel) {
    if (fieldLabel.isEmpty()) {
        return QStringLiteral("Ο χαρακτήρας «%1» δεν επιτρέπεται εδώ.").arg(character);
    }
    return QStringLiteral("Ο χαρακτήρας «%1» δεν επιτρέπεται στο πεδίο «%2».")
        .arg(character)
        .arg(fieldLabel);
}

}  // namespace common
