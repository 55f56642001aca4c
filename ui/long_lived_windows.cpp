#include "ui/long_lived_windows.h"

#include <stdexcept>

namespace ui {

namespace {

LongLivedWindows* current = nullptr;

}  // namespace

LongLivedWindows::LongLivedWindows(std::vector<std::unique_ptr<QDialog>> windows)
    : windows_(std::move(windows)) {
    if (current) {
        throw std::logic_error("The long-lived windows exist already");
    }
    current = this;
}

LongLivedWindows::~LongLivedWindows() {
    if (current == this) {
        current = nullptr;
    }
    // Released in the reverse order of their creation.
    while (!windows_.empty()) {
        windows_.pop_back();
    }
}

const std::vector<std::unique_ptr<QDialog>>& LongLivedWindows::windows() {
    static const std::vector<std::unique_ptr<QDialog>> none;
    return current ? current->windows_ : none;
}

}  // namespace ui
