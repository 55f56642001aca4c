#pragma once

#include <QString>
#include <optional>

namespace children {

// Which children the list shows by their active flag.
enum class StatusFilter { Active, Deleted, All };

// The three list conditions of the find window.
QString everyoneCondition();

// What the child find window asks the children list window to show: a piece of condition
// text and the status filter. It lives as long as the program; the find window writes it and
// the list window reads it when it is created or refreshed. Without a condition (the typed
// text could not be searched for) the list builds no statement and shows nobody.
struct ListRequest {
    std::optional<QString> condition = everyoneCondition();
    StatusFilter status = StatusFilter::Active;
};

ListRequest& listRequest();

// Surname initials, trimmed and turned into capitals by the Greek rules (accented small
// letters become accented capitals).
QString surnameCondition(const QString& typedInitials);
// A typed registry number, when it is a whole number (blanks around it allowed), as the
// condition on that number written by the program; nothing for any other text, so that no
// statement is ever built from it.
std::optional<QString> registryNumberCondition(const QString& typedNumber);
// What the staff are told when the typed registry number is not a whole number.
QString registryNumberRefusal();

// A find button may be pressed while its field, trimmed, is not empty and carries none of the
// forbidden characters (which also keeps quotes out of the condition).
bool findTextAccepted(const QString& typed);

}  // namespace children
