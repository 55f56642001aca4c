#include "ui/labels.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/forbidden_characters.h"

namespace ui {

void makeRed(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
}

void makeBold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

QLabel* redLabel(const QString& text, QWidget* parent, bool bold) {
    auto* label = new QLabel(text, parent);
    makeRed(label);
    if (bold) {
        makeBold(label);
    }
    return label;
}

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    makeBold(label);
    return label;
}

QLabel* requiredMark(QWidget* parent) {
    return redLabel(QStringLiteral("*"), parent, true);
}

QLabel* forbiddenCharacterNote(QLineEdit* field, QWidget* parent) {
    QLabel* note = redLabel(QString(), parent);
    note->setWordWrap(true);
    note->setMinimumHeight(2 * note->fontMetrics().lineSpacing());
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QObject::connect(field, &QLineEdit::textChanged, note, [field, note](const QString& text) {
        const QChar forbidden = common::firstForbiddenCharacter(text);
        note->setText(forbidden.isNull()
                          ? QString()
                          : common::forbiddenCharacterNote(forbidden, fieldLabel(field)));
    });
    return note;
}

namespace {

QString labelText(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label ? label->text() : QString();
}

// The label left of (or above, in a form) the field in the layout that holds it.
QString neighbourLabel(const QLayout* layout, const QWidget* field) {
    const int at = layout->indexOf(field);
    if (at < 0) {
        for (int i = 0; i < layout->count(); ++i) {
            if (const QLayout* inner = layout->itemAt(i)->layout()) {
                const QString found = neighbourLabel(inner, field);
                if (!found.isEmpty()) {
                    return found;
                }
            }
        }
        return {};
    }
    if (const auto* form = qobject_cast<const QFormLayout*>(layout)) {
        return labelText(form->labelForField(const_cast<QWidget*>(field)));
    }
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
        const QLayoutItem* left = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
        return left ? labelText(left->widget()) : QString();
    }
    if (qobject_cast<const QBoxLayout*>(layout) && at > 0) {
        return labelText(layout->itemAt(at - 1)->widget());
    }
    return {};
}

QString buddyLabel(const QWidget* field) {
    for (const QLabel* label : field->window()->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    return {};
}

QString asNamed(QString text) {
    text.replace(u'\n', u' ').remove(u'&');
    text = text.simplified();
    while (text.endsWith(u':')) {
        text.chop(1);
    }
    return text.trimmed();
}

}  // namespace

QString fieldLabel(const QWidget* field) {
    if (!field) {
        return {};
    }
    QString text = field->accessibleName();
    if (text.isEmpty()) {
        text = buddyLabel(field);
    }
    if (text.isEmpty() && field->parentWidget() && field->parentWidget()->layout()) {
        text = neighbourLabel(field->parentWidget()->layout(), field);
    }
    return asNamed(text);
}

}  // namespace ui
