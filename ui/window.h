#pragma once

#include <QDialog>

class QPushButton;

namespace ui {

// The base of every window of the program: sky-blue, fixed-size and centred on the screen,
// modal, with "Έ&ξοδος" as the cancel button (Escape) and the main action as the default button
// (Enter). Closing a window runs closeEvent/reject as usual; windows that hold a connection
// close it in their destructor or in reject().
class Window : public QDialog {
    Q_OBJECT
public:
    explicit Window(QWidget* parent = nullptr);

    // The program's window background.
    static QColor skyBlue();
    // Gives any widget the window look (used by the main window, which is no dialog).
    static void applyLook(QWidget* widget);

protected:
    // A "Έ&ξοδος" button that closes the window; Escape does the same.
    QPushButton* makeExitButton();
    // Marks the main action: Enter presses it.
    void setMainAction(QPushButton* button);
    // Fixes the size at the layout's size hint (or the given size) and centres the window.
    void fixSizeAndCentre(QSize size = {});
};

}  // namespace ui
