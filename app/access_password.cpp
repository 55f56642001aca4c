#include "app/access_password.h"

#include "common/forbidden_characters.h"
#include "db/connection.h"
#include "db/query.h"

namespace app {

QString factoryDefaultPassword() {
    return QStringLiteral("40917263");
}

QString readStoredPassword(db::Connection& connection) {
    return db::scalar(connection, QStringLiteral("SELECT * FROM SECURE")).toString().trimmed();
}

void storePassword(db::Connection& connection, const QString& password) {
    connection.execute(QStringLiteral("UPDATE SECURE SET [PASSWORD]='") + password + u'\'');
}

bool isAcceptablePassword(const QString& trimmed) {
    return !trimmed.isEmpty() && common::passesForbiddenCharacterTest(trimmed);
}

bool canEnter(const QString& typed) {
    return isAcceptablePassword(typed.trimmed());
}

bool canSetPassword(const QString& typedNew, const QString& typedConfirmation) {
    const QString newPassword = typedNew.trimmed();
    const QString confirmation = typedConfirmation.trimmed();
    return isAcceptablePassword(newPassword) && isAcceptablePassword(confirmation) &&
           newPassword == confirmation;
}

bool canChangePassword(const QString& typedOld, const QString& typedNew,
                       const QString& typedConfirmation, const QString& storedPassword) {
    const QString oldPassword = typedOld.trimmed();
    return isAcceptablePassword(oldPassword) && canSetPassword(typedNew, typedConfirmation) &&
           oldPassword == storedPassword;
}

}  // namespace app
