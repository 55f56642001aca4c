#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

#include "ui/modal.h"

namespace childrentest {

// Answers the windows' messages and questions and records them; windows opened modally are
// handed to a test function instead of being shown.
class RecordingSeam : public ui::ModalSeam {
public:
    void information(QWidget*, const QString& text) override { informations.append(text); }
    void error(QWidget*, const QString& text) override { errors.append(text); }
    bool question(QWidget*, const QString& text) override {
        questions.append(text);
        return answer;
    }
    bool confirm(QWidget*, const QString& text) override {
        questions.append(text);
        return answer;
    }
    int exec(QDialog* dialog) override {
        shown.append(dialog->windowTitle());
        return onExec ? onExec(dialog) : QDialog::Rejected;
    }

    QStringList informations;
    QStringList errors;
    QStringList questions;
    QStringList shown;
    bool answer = true;
    std::function<int(QDialog*)> onExec;
};

// Types into a bound field as the staff would, so the field reports an edit.
inline void typeInto(QWidget* field, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
        line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->setPlainText(text);
    }
}

// Picks a value of a drop-down list as the staff would.
inline void choose(QWidget* field, const QString& value) {
    auto* list = qobject_cast<QComboBox*>(field);
    const int index = list->findText(value);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

}  // namespace childrentest
