#pragma once

#include "common/child_openers.h"

class QLayout;
class QWidget;

namespace children {

// The three lines at the top of a per-child window: "Αρ. Μητρώου:", "Όνομα:", "Επώνυμο:", each
// followed by the value the window was given.
QLayout* makeChildHeader(const common::ChildIdentity& child, QWidget* parent);

}  // namespace children
