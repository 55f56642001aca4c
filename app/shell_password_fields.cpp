#include "app/shell_password_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace app {

namespace {

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* redLabel(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}

}  // namespace

QLabel* makeCaseWarning(const QString& text, QWidget* parent) {
    return redLabel(boldLabel(text, parent));
}

QLineEdit* addPasswordRow(QGridLayout* grid, int row, const QString& label, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMinimumWidth(130);
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    QLabel* caption = boldLabel(label, parent);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0, Qt::AlignRight);
    grid->addWidget(field, row, 1);
    grid->addWidget(redLabel(new QLabel(QStringLiteral("*"), parent)), row, 2);
    return field;
}

}  // namespace app
