#include "children/registration_card_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/card_fields.h"
#include "children/card_panel_window.h"
#include "children/registration_card.h"
#include "ui/navigator.h"

using children::CardPanel;

TForm13::TForm13(QWidget* parent) : ui::DataWindow(parent) {
    setWindowTitle(caption());
    rows_ = bindEditableQuery(QStringLiteral("CHILDREN"));
    rows_->setStatement(children::emptyCardStatement());

    card_ = new CardPanel(CardPanel::RegistryNumber::Shown, this);
    card_->bindTo(*rows_);
    auto* registryNumber = qobject_cast<QLineEdit*>(card_->field(children::registryNumberColumn()));
    connect(registryNumber, &QLineEdit::textChanged, this, [this](const QString& text) {
        pendingRegistryNumber_ = children::pendingRegistryNumber(text);
    });

    // The navigator is not handed to the bound table: its two buttons run the card's own
    // save, which adds the enrolment and the tuition row to the row's write.
    navigator_ = new ui::Navigator(ui::Navigator::Insert | ui::Navigator::Post, this);
    connect(navigator_, &ui::Navigator::clicked, this,
            [this](ui::Navigator::Button which) { navigatorClicked(which); });
    connect(rows_, &ui::BoundTable::changed, this, &TForm13::updateButtons);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator_);
    bottom->addStretch();
    QPushButton* exit = makeExitButton();
    exit->setText(QStringLiteral("Έξοδος"));  // this window's exit has no accelerator
    bottom->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(card_, 1);
    layout->addLayout(bottom);

    rows_->insert();
    fixSizeAndCentre(QSize(1100, 720));
}

QString TForm13::caption() {
    return QStringLiteral("Καταχώρηση των στοιχείων του παιδιού");
}

TForm13::CardState TForm13::cardState() const {
    if (card_->isReadOnly()) {
        return CardState::Saved;
    }
    return rows_->isEditing() && rows_->source().isModified() ? CardState::Changed
                                                              : CardState::Empty;
}

void TForm13::navigatorClicked(int which) {
    if (which == ui::Navigator::Insert) {
        newCard();
    } else if (which == ui::Navigator::Post) {
        saveCard();
    }
}

bool TForm13::saveCard() {
    if (cardState() != CardState::Changed) {
        return false;
    }
    if (!rows_->post()) {
        return false;
    }
    // The row is written: from here on the card is saved, even if a statement below fails.
    card_->setReadOnly(true);
    updateButtons();
    children::recordEnrolmentAndTuition(connection(), pendingRegistryNumber_);
    return true;
}

void TForm13::newCard() {
    if (cardState() == CardState::Changed && !saveCard()) {
        return;
    }
    rows_->insert();  // an untouched card is dropped on the way
    card_->setReadOnly(false);
    updateButtons();
    if (QWidget* first = card_->fieldsInOrder().value(0)) {
        first->setFocus();
    }
}

void TForm13::updateButtons() {
    navigator_->setButtonEnabled(ui::Navigator::Post, cardState() == CardState::Changed);
}
