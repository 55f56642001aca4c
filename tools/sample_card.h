#pragma once

#include "tools/sample_children.h"

namespace sample {

// Fills the child's registration card as the staff would have typed it at registration: the
// family, home, health card, behaviour, transport and hours. Sets the child's names, guardian,
// food and transport from the card. The identity (number, sex, birth) must be set already.
void fillCard(Random& random, Child& child, const QDate& until);

}  // namespace sample
