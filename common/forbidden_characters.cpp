#include "common/forbidden_characters.h"

namespace common {

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

}  // namespace common
