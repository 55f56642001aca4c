#include "children/list_request.h"

#include "common/forbidden_characters.h"

namespace children {

using namespace Qt::StringLiterals;

ListRequest& listRequest() {
    static ListRequest request;
    return request;
}

QString everyoneCondition() {
    return u"1>0"_s;
}

QString surnameCondition(const QString& typedInitials) {
    // Unicode's own case mapping, so an accented small letter keeps its accent as a capital
    // (the Greek locale's rule would drop it).
    const QString capitals = typedInitials.trimmed().toUpper();
    return u"ucase(EPWNYMO_PAIDIOY) LIKE '"_s + capitals + u"%"_s + u"'"_s;
}

std::optional<QString> registryNumberCondition(const QString& typedNumber) {
    bool whole = false;
    const qlonglong number = typedNumber.trimmed().toLongLong(&whole);
    if (!whole) {
        return std::nullopt;
    }
    return u"ARITHMOS_MHTRWOY="_s + QString::number(number);
}

QString registryNumberRefusal() {
    return u"Ο αριθμός μητρώου είναι ακέραιος αριθμός."_s;
}

bool findTextAccepted(const QString& typed) {
    const QString trimmed = typed.trimmed();
    return !trimmed.isEmpty() && common::passesForbiddenCharacterTest(trimmed);
}

}  // namespace children
