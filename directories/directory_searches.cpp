#include "directories/directory_searches.h"

#include <QLocale>

#include "common/forbidden_characters.h"

namespace directories {

namespace {

QString searchPrefix(const QString& typed) {
    return QLocale::system().toUpper(typed.trimmed());
}

}  // namespace

bool isSearchable(const QString& typed) {
    return common::passesForbiddenCharacterTest(typed.trimmed());
}

QString phoneBookSearch(const QString& typed) {
    return QStringLiteral("select * from contacts where UCASE(contact) like '") +
           searchPrefix(typed) + QStringLiteral("%") + QStringLiteral("'") +
           QStringLiteral("order by contact asc");
}

QString staffSearch(const QString& typed) {
    return QStringLiteral("select * from PROSWPIKO where PERSON like '") + searchPrefix(typed) +
           QStringLiteral("%") + QStringLiteral("'") + QStringLiteral("order by PERSON asc");
}

QString paediatriciansStatement() {
    return QStringLiteral(
        "select DISTINCT ONOMA_GIATROY,DIEYTHYNSH_GIATROY,THLEFWNO_GIATROY FROM CHILDREN ORDER BY "
        "ONOMA_GIATROY ASC");
}

}  // namespace directories
