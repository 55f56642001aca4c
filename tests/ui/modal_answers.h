#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

#include "ui/modal.h"

namespace testsupport {

// Answers the program's messages and questions in a window test, and remembers them.
// Questions take the queued answers in order, then the default answer.
class ModalAnswers : public ui::ModalSeam {
public:
    QStringList informations;
    QStringList warnings;
    QStringList errors;
    QStringList questions;
    QStringList shown;  // the titles of the windows shown modally, in order
    QList<bool> answers;
    bool defaultAnswer = true;
    // Runs in place of showing a window modally; the default rejects it at once.
    std::function<int(QDialog*)> onShow = [](QDialog*) { return int(QDialog::Rejected); };

    void information(QWidget*, const QString& text) override { informations.append(text); }
    void warning(QWidget*, const QString& text) override { warnings.append(text); }
    void error(QWidget*, const QString& text) override { errors.append(text); }
    bool question(QWidget*, const QString& text) override { return answer(text); }
    bool confirm(QWidget*, const QString& text) override { return answer(text); }
    int exec(QDialog* dialog) override {
        shown.append(dialog->windowTitle());
        return onShow(dialog);
    }

private:
    bool answer(const QString& text) {
        questions.append(text);
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
};

}  // namespace testsupport
