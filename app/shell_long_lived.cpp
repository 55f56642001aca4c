#include "app/shell_long_lived.h"

#include "app/menu_tree.h"

namespace app {

std::vector<std::unique_ptr<QDialog>> createLongLivedWindows(
    const common::ProgramContext& context) {
    std::vector<std::unique_ptr<QDialog>> windows;
    for (const QStringView command : longLivedWindowOrder()) {
        if (const LongLivedFactory create = longLivedFactory(command)) {
            windows.push_back(create(context));
        }
    }
    return windows;
}

}  // namespace app
