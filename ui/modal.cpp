#include "ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

// Message boxes with Greek buttons: Qt's own button texts come untranslated on this platform.
class MessageBoxSeam : public ModalSeam {
public:
    void information(QWidget* parent, const QString& text) override {
        show(parent, QMessageBox::Information, text, {{QStringLiteral("OK"), true}});
    }
    void error(QWidget* parent, const QString& text) override {
        show(parent, QMessageBox::Critical, text, {{QStringLiteral("OK"), true}});
    }
    bool question(QWidget* parent, const QString& text) override {
        return show(parent, QMessageBox::Question, text,
                    {{QStringLiteral("&Ναι"), true}, {QStringLiteral("Ό&χι"), false}}) == 0;
    }
    bool confirm(QWidget* parent, const QString& text) override {
        return show(parent, QMessageBox::Question, text,
                    {{QStringLiteral("OK"), true}, {QStringLiteral("Άκυρο"), false}}) == 0;
    }
    int exec(QDialog* dialog) override { return dialog->exec(); }

private:
    struct Button {
        QString text;
        bool accepts;
    };

    // Returns the index of the button pressed; Escape or closing the box picks the last one.
    static int show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                    const QList<Button>& buttons) {
        QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::NoButton,
                        parent);
        QList<QPushButton*> pushButtons;
        for (const Button& button : buttons) {
            pushButtons.append(box.addButton(
                button.text, button.accepts ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
        }
        box.setDefaultButton(pushButtons.first());
        box.setEscapeButton(pushButtons.last());
        box.exec();
        return static_cast<int>(pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    }
};

MessageBoxSeam& defaultSeam() {
    static MessageBoxSeam seam;
    return seam;
}

ModalSeam* current = nullptr;

}  // namespace

ModalSeam& modal() { return current ? *current : defaultSeam(); }

ScopedModalSeam::ScopedModalSeam(ModalSeam& seam) : previous_(current) { current = &seam; }

ScopedModalSeam::~ScopedModalSeam() { current = previous_; }

}  // namespace ui
