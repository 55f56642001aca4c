#include "app/shell_long_lived.h"

#include <stdexcept>

#include "app/menu_tree.h"

namespace app {

namespace {

LongLivedWindows* current = nullptr;

}  // namespace

LongLivedWindows::LongLivedWindows() {
    if (current) {
        throw std::logic_error("The long-lived windows exist already");
    }
    for (const QStringView className : longLivedWindowOrder()) {
        if (const LongLivedFactory create = longLivedFactory(className)) {
            windows_.push_back(create());
        }
    }
    current = this;
}

LongLivedWindows::~LongLivedWindows() {
    current = nullptr;
    // Released in the reverse order of their creation.
    while (!windows_.empty()) {
        windows_.pop_back();
    }
}

const std::vector<std::unique_ptr<QDialog>>& LongLivedWindows::windows() {
    static const std::vector<std::unique_ptr<QDialog>> none;
    return current ? current->windows_ : none;
}

}  // namespace app
