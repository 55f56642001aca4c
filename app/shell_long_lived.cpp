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
            windows_.push_back({className, create()});
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

QDialog* LongLivedWindows::find(QStringView className) {
    if (!current) {
        return nullptr;
    }
    for (const Created& created : current->windows_) {
        if (created.className == className) {
            return created.window.get();
        }
    }
    return nullptr;
}

std::vector<QDialog*> LongLivedWindows::instances() {
    std::vector<QDialog*> windows;
    if (current) {
        for (const Created& created : current->windows_) {
            windows.push_back(created.window.get());
        }
    }
    return windows;
}

}  // namespace app
