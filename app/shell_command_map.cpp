#include "app/shell_command_map.h"

#include <stdexcept>

#include "app/about_window.h"
#include "app/change_password_window.h"
#include "app/shell_long_lived.h"
#include "ui/modal.h"

namespace app {

namespace {

// A fresh window for every opening, released when it closes.
template <class W>
void openFresh(QWidget* parent) {
    W window(parent);
    ui::showModal(&window);
}

// The one long-lived window, shown again with what it held before.
template <class W>
void showLongLived(QWidget* /*parent*/) {
    W* window = longLivedWindow<W>();
    if (!window) {
        throw std::logic_error("A long-lived window was opened before the program created it");
    }
    ui::showModal(window);
}

template <class W>
std::unique_ptr<QDialog> createLongLived() {
    return std::make_unique<W>();
}

struct WindowBinding {
    QStringView className;
    void (*open)(QWidget* parent);
    LongLivedFactory createOnce;  // only for the long-lived windows
};

template <class W>
constexpr WindowBinding fresh(QStringView className) {
    return {className, &openFresh<W>, nullptr};
}

template <class W>
constexpr WindowBinding longLived(QStringView className) {
    return {className, &showLongLived<W>, &createLongLived<W>};
}

// Every window of the program that a command opens or that lives from start-up to the end,
// by class name. To tie a new window in: include its header above and add one line here,
// fresh<...> or longLived<...> as the menu says; the menu entries and side buttons naming it
// become enabled, and a long-lived window is created in its place of the start-up order.
constexpr WindowBinding kWindows[] = {
    longLived<TForm62>(u"TForm62"),
    fresh<TForm66>(u"TForm66"),
};

const WindowBinding* findBinding(QStringView className) {
    for (const WindowBinding& binding : kWindows) {
        if (binding.className == className) {
            return &binding;
        }
    }
    return nullptr;
}

}  // namespace

bool hasWindow(QStringView command) { return findBinding(command) != nullptr; }

void openWindow(QStringView command, QWidget* parent) {
    const WindowBinding* binding = findBinding(command);
    if (!binding) {
        throw std::logic_error("No window is tied to the command " + command.toString().toStdString());
    }
    binding->open(parent);
}

LongLivedFactory longLivedFactory(QStringView className) {
    const WindowBinding* binding = findBinding(className);
    return binding ? binding->createOnce : nullptr;
}

QList<CannedSearchCommand> cannedSearchCommands() {
    // The canned searches of the "Έ&ρευνα" menu attach here; until then their entries stay
    // disabled.
    return {};
}

}  // namespace app
