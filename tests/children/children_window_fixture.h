#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/modal_answers.h"

namespace childrentest {

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
