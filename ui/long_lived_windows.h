#pragma once

#include <QDialog>
#include <memory>
#include <vector>

namespace ui {

// The windows created once after start-up, in their fixed order, living until the program ends.
// The program hands the windows it made to one LongLivedWindows; while that exists,
// longLivedWindow<W>() finds the instance (the menu shows it again, other windows call on it,
// e.g. to print a receipt).
class LongLivedWindows {
public:
    // Takes the windows in their order of creation. Only one set exists at a time; a second
    // one is a programming error (std::logic_error).
    explicit LongLivedWindows(std::vector<std::unique_ptr<QDialog>> windows);
    ~LongLivedWindows();
    LongLivedWindows(const LongLivedWindows&) = delete;
    LongLivedWindows& operator=(const LongLivedWindows&) = delete;

    // The windows of the running program, in their order of creation (none when there is no
    // LongLivedWindows).
    static const std::vector<std::unique_ptr<QDialog>>& windows();

private:
    std::vector<std::unique_ptr<QDialog>> windows_;
};

// The long-lived window of that class, or nullptr when the program has none.
template <class W>
W* longLivedWindow() {
    for (const auto& window : LongLivedWindows::windows()) {
        if (auto* found = dynamic_cast<W*>(window.get())) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace ui
