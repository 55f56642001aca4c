#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace app {

// The password of the delivered database; while it is stored, start-up asks for a new one.
QString factoryDefaultPassword();

// The password stored in SECURE (its first column), trimmed.
QString readStoredPassword(db::Connection& connection);

// Replaces the stored password. The text must have passed isAcceptablePassword(), which keeps
// quotes out of it, so it can stand in the statement as it is.
void storePassword(db::Connection& connection, const QString& password);

// A typed password, trimmed, can be used when it is not empty and carries none of the
// forbidden characters.
bool isAcceptablePassword(const QString& trimmed);

// The enabling rules of the three password windows; every argument is a typed text, untrimmed.
bool canEnter(const QString& typed);
bool canSetPassword(const QString& typedNew, const QString& typedConfirmation);
bool canChangePassword(const QString& typedOld, const QString& typedNew,
                       const QString& typedConfirmation, const QString& storedPassword);

}  // namespace app
