#pragma once

#include <QString>

namespace children {

// Which children the list shows by their active flag.
enum class StatusFilter { Active, Deleted, All };

// The three list conditions of the find window.
QString everyoneCondition();

// What the child find window asks the children list window to show: a piece of condition
// text and the status filter. It lives as long as the program; the find window writes it and
// the list window reads it when it is created or refreshed.
struct ListRequest {
    QString condition = everyoneCondition();
    StatusFilter status = StatusFilter::Active;
};

ListRequest& listRequest();

// Surname initials, trimmed and turned into capitals by the Greek rules (accented small
// letters become accented capitals).
QString surnameCondition(const QString& typedInitials);
QString registryNumberCondition(const QString& typedNumber);

// A find button may be pressed while its field, trimmed, is not empty and carries none of the
// forbidden characters (which also keeps quotes out of the condition).
bool findTextAccepted(const QString& typed);

}  // namespace children
