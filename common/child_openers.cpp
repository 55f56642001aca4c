#include "common/child_openers.h"

#include <QMap>

namespace common {

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

}  // namespace common
