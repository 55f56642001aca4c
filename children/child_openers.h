#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace children {

// A child as the windows hand it to each other.
struct ChildIdentity {
    QString registryNumber;
    QString firstName;
    QString surname;
};

// The per-child windows the children list opens for its current row, besides the details and
// card print windows of this folder.
enum class ChildWindow {
    Measurements,      // body measurements
    Absences,          // absences
    EnrolmentHistory,  // re-enrolments and de-enrolments
    TuitionPayment,    // TForm56
    PaidTuition,       // TForm57
    OwedTuition,       // TForm58
};

// Opens a per-child window modally for the child and returns when it has closed.
using ChildOpener = std::function<void(QWidget* parent, const ChildIdentity& child)>;

// Ties a per-child window to the children list, once at program start; for a window built as
// (number, first name, surname, parent), children::openModally<W> of children_list_window.h is
// the opener. A window without an opener stays disabled in the list.
void registerChildOpener(ChildWindow window, ChildOpener opener);

// The opener of a window, or an empty function when none is registered.
ChildOpener childOpener(ChildWindow window);

// The list reads its rows again after these windows close, since they change the children.
bool refreshesListAfterwards(ChildWindow window);

}  // namespace children
