#include "children/child_openers.h"

#include <QMap>

namespace children {

namespace {

QMap<ChildWindow, ChildOpener>& openers() {
    static QMap<ChildWindow, ChildOpener> registered;
    return registered;
}

}  // namespace

void registerChildOpener(ChildWindow window, ChildOpener opener) {
    openers().insert(window, std::move(opener));
}

ChildOpener childOpener(ChildWindow window) {
    return openers().value(window);
}

bool refreshesListAfterwards(ChildWindow window) {
    return window == ChildWindow::EnrolmentHistory;
}

}  // namespace children
