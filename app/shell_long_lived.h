#pragma once

#include <QDialog>
#include <QStringView>
#include <memory>
#include <vector>

namespace app {

// The windows created once after start-up, in their fixed order, living until the program ends.
// The program makes one LongLivedWindows in main(); while it exists, longLivedWindow<W>() finds
// the instance (the menu shows it again, other windows call on it, e.g. to print a receipt).
class LongLivedWindows {
public:
    LongLivedWindows();
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

// How a long-lived window is made, by its class name; empty when the window is not built.
using LongLivedFactory = std::unique_ptr<QDialog> (*)();
LongLivedFactory longLivedFactory(QStringView className);

}  // namespace app
