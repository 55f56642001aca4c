#include "ui/navigator.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace ui {

namespace {

struct ButtonLook {
    Navigator::Button kind;
    QString glyph;
};

// In the order a navigator shows them.
const QList<ButtonLook>& looks() {
    static const QList<ButtonLook> list = {
        {Navigator::First, QStringLiteral("|◀")}, {Navigator::Prior, QStringLiteral("◀")},
        {Navigator::Next, QStringLiteral("▶")},   {Navigator::Last, QStringLiteral("▶|")},
        {Navigator::Insert, QStringLiteral("+")}, {Navigator::Delete, QStringLiteral("−")},
        {Navigator::Edit, QStringLiteral("✎")},   {Navigator::Post, QStringLiteral("✔")},
        {Navigator::Cancel, QStringLiteral("✘")},
    };
    return list;
}

}  // namespace

QString Navigator::hint(Button which) {
    switch (which) {
        case First:
            return QStringLiteral("Πρώτη εγγραφή");
        case Prior:
            return QStringLiteral("Προηγούμενη εγγραφή");
        case Next:
            return QStringLiteral("Επόμενη εγγραφή");
        case Last:
            return QStringLiteral("Τελευταία εγγραφή");
        case Insert:
            return QStringLiteral("Εισαγωγή εγγραφής");
        case Delete:
            return QStringLiteral("Διαγραφή εγγραφής");
        case Edit:
            return QStringLiteral("Επεξεργασία εγγραφής");
        case Post:
            return QStringLiteral("Αποθήκευση αλλαγών");
        case Cancel:
            return QStringLiteral("Ακύρωση αλλαγών");
    }
    return {};
}

Navigator::Navigator(Buttons buttons, QWidget* parent) : QWidget(parent), buttons_(buttons) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ButtonLook& look : looks()) {
        if (!buttons.testFlag(look.kind)) {
            continue;
        }
        auto* button = new QToolButton(this);
        button->setText(look.glyph);
        button->setToolTip(hint(look.kind));
        button->setAccessibleName(hint(look.kind));
        button->setMinimumSize(30, 26);
        // Taking the focus on a click lets an open cell editor or field hand over its text
        // before the button acts; the keyboard order passes the navigator by.
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QToolButton::clicked, this,
                [this, kind = look.kind] { emit clicked(kind); });
        layout->addWidget(button);
        buttonsByKind_.insert(look.kind, button);
    }
    layout->addStretch();
}

void Navigator::setButtonEnabled(Button which, bool enabled) {
    if (QToolButton* found = button(which)) {
        found->setEnabled(enabled);
    }
}

}  // namespace ui
