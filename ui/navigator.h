#pragma once

#include <QFlags>
#include <QMap>
#include <QWidget>

class QToolButton;

namespace ui {

// A record navigator: a row of small buttons, only those a window asks for, each with its
// Greek hint. It only reports clicks; ui::BoundTable does the work and sets which buttons are
// enabled.
class Navigator : public QWidget {
    Q_OBJECT
public:
    enum Button {
        First = 0x01,
        Prior = 0x02,
        Next = 0x04,
        Last = 0x08,
        Insert = 0x10,
        Delete = 0x20,
        Post = 0x40,
        Cancel = 0x80,
        Edit = 0x100,
    };
    Q_DECLARE_FLAGS(Buttons, Button)
    Q_FLAG(Buttons)

    static constexpr Buttons moving() { return {First | Prior | Next | Last}; }
    // The buttons of a navigator that edits a table. Edit is not among them: typing into a
    // field starts editing; a window that wants the button asks for it by name.
    static constexpr Buttons all() { return moving() | Insert | Delete | Post | Cancel; }

    explicit Navigator(Buttons buttons, QWidget* parent = nullptr);

    Buttons buttons() const { return buttons_; }
    // The button, or nullptr when this navigator does not have it.
    QToolButton* button(Button which) const { return buttonsByKind_.value(which, nullptr); }
    void setButtonEnabled(Button which, bool enabled);

    static QString hint(Button which);

signals:
    void clicked(ui::Navigator::Button which);

private:
    Buttons buttons_;
    QMap<Button, QToolButton*> buttonsByKind_;
};

}  // namespace ui

Q_DECLARE_OPERATORS_FOR_FLAGS(ui::Navigator::Buttons)
