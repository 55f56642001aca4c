#include "ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace ui {

namespace {

// Message boxes with the toolkit's standard buttons. Their texts come from the program's Greek
// translation of the toolkit ("Εντάξει", "&Ναι", "Ό&χι", "Άκυρο"), so they read as in every other
// dialog of the program.
class MessageBoxSeam : public ModalSeam {
public:
    void information(QWidget* parent, const QString& text) override {
        show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void warning(QWidget* parent, const QString& text) override {
        show(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void error(QWidget* parent, const QString& text) override {
        show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    bool question(QWidget* parent, const QString& text) override {
        return show(parent, QMessageBox::Question, text, QMessageBox::Yes, QMessageBox::No) ==
               QMessageBox::Yes;
    }
    bool confirm(QWidget* parent, const QString& text) override {
        return show(parent, QMessageBox::Question, text, QMessageBox::Ok, QMessageBox::Cancel) ==
               QMessageBox::Ok;
    }
    int exec(QDialog* dialog) override { return dialog->exec(); }

private:
    // Returns the button pressed: `accept` is the default one (Enter), `reject` the one that
    // Escape or closing the box picks; both are the same for a box with one button.
    static int show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                    QMessageBox::StandardButton accept, QMessageBox::StandardButton reject) {
        QMessageBox box(icon, QApplication::applicationName(), text, accept | reject, parent);
        box.setDefaultButton(accept);
        box.setEscapeButton(reject);
        return box.exec();
    }
};

MessageBoxSeam& defaultSeam() {
    static MessageBoxSeam seam;
    return seam;
}

ModalSeam* current = nullptr;

}  // namespace

ModalSeam& modal() {
    return current ? *current : defaultSeam();
}

ScopedModalSeam::ScopedModalSeam(ModalSeam& seam) : previous_(current) {
    current = &seam;
}

ScopedModalSeam::~ScopedModalSeam() {
    current = previous_;
}

}  // namespace ui
