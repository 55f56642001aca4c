#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace common {

struct ProgramContext;

// A child as the windows hand it to each other.
struct ChildIdentity {
    QString registryNumber;
    QString firstName;
    QString surname;
};

// The per-child windows that windows of other folders open for a child: the children list for
// its current row, the search results for the child picked.
enum class ChildWindow {
    Details,           // the child's details (children::ChildDetailsWindow)
    Measurements,      // body measurements
    Absences,          // absences
    EnrolmentHistory,  // re-enrolments and de-enrolments
    TuitionPayment,    // finance::PaymentWindow
    PaidTuition,       // tuition paid so far
    OwedTuition,       // tuition still owed
};

// Opens a per-child window modally for the child over `parent`, with the opener's program
// context, and returns when it has closed.
using ChildOpener =
    std::function<void(const ProgramContext& context, QWidget* parent, const ChildIdentity& child)>;

// Ties a per-child window in, once at program start; for a window built as (context, number,
// first name, surname, parent), children::openModally<W> of children_list_window.h is the
// opener. A window without an opener stays disabled where it is offered.
void registerChildOpener(ChildWindow window, ChildOpener opener);

// The opener of a window, or an empty function when none is registered.
ChildOpener childOpener(ChildWindow window);

// The children list reads its rows again after these windows close, since they change the
// children.
bool refreshesListAfterwards(ChildWindow window);

}  // namespace common
