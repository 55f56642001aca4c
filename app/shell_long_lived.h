#pragma once

#include <QDialog>
#include <QStringView>
#include <memory>
#include <vector>

namespace app {

// The windows created once after start-up, in their fixed order, living until the program ends.
// The program makes one LongLivedWindows in main(); while it exists, longLivedWindow<T>() finds
// the instance (the menu shows it again, other windows call on it, e.g. to print a receipt).
class LongLivedWindows {
public:
    LongLivedWindows();
    ~LongLivedWindows();
    LongLivedWindows(const LongLivedWindows&) = delete;
    LongLivedWindows& operator=(const LongLivedWindows&) = delete;

    // The window of that class, or nullptr when it is not (yet) part of the program.
    static QDialog* find(QStringView className);
    template <class W>
    static W* find() {
        for (QDialog* window : instances()) {
            if (auto* found = dynamic_cast<W*>(window)) {
                return found;
            }
        }
        return nullptr;
    }

private:
    static std::vector<QDialog*> instances();

    struct Created {
        QStringView className;
        std::unique_ptr<QDialog> window;
    };
    std::vector<Created> windows_;
};

// The factory of a long-lived window by its class name; empty when the window is not built.
using LongLivedFactory = std::unique_ptr<QDialog> (*)();
LongLivedFactory longLivedFactory(QStringView className);

template <class W>
W* longLivedWindow() {
    return LongLivedWindows::find<W>();
}

}  // namespace app
