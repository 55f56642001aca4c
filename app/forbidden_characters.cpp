#include "app/forbidden_characters.h"

namespace app {

QString forbiddenCharacters() {
    return QStringLiteral("'\"&*-=!#$[]?%+\\|@_~`(){}<>.;^:,");
}

bool passesForbiddenCharacterTest(const QString& text) {
    const QString forbidden = forbiddenCharacters();
    for (QChar c : text) {
        if (forbidden.contains(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace app
