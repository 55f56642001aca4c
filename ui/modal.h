#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace ui {

// Every modal interaction of the program goes through one seam, so tests can answer messages,
// questions and windows without a person. The program uses the message-box implementation;
// a test installs its own with ScopedModalSeam.
class ModalSeam {
public:
    virtual ~ModalSeam() = default;
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Something the staff must put right or know went wrong, with the warning icon.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // OK/Cancel question; true for OK.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // Shows a window modally and returns its result code.
    virtual int exec(QDialog* dialog) = 0;
};

ModalSeam& modal();

// Shortcuts through the current seam.
inline void inform(QWidget* parent, const QString& text) {
    modal().information(parent, text);
}
inline void warn(QWidget* parent, const QString& text) {
    modal().warning(parent, text);
}
inline void reportError(QWidget* parent, const QString& text) {
    modal().error(parent, text);
}
inline bool askYesNo(QWidget* parent, const QString& text) {
    return modal().question(parent, text);
}
inline bool askOkCancel(QWidget* parent, const QString& text) {
    return modal().confirm(parent, text);
}
inline int showModal(QDialog* dialog) {
    return modal().exec(dialog);
}

// Installs a seam for the lifetime of the object (tests), restoring the previous one after.
class ScopedModalSeam {
public:
    explicit ScopedModalSeam(ModalSeam& seam);
    ~ScopedModalSeam();
    ScopedModalSeam(const ScopedModalSeam&) = delete;
    ScopedModalSeam& operator=(const ScopedModalSeam&) = delete;

private:
    ModalSeam* previous_;
};

}  // namespace ui
