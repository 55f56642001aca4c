#include "children/registration_card_window.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/card_fields.h"
#include "children/card_panel_window.h"
#include "children/registration_card.h"
#include "ui/navigator.h"

namespace children {

using children::CardPanel;

RegistrationCardWindow::RegistrationCardWindow(const common::ProgramContext& context,
                                               QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(caption());
    rows_ = bindTableSearch(QStringLiteral("CHILDREN"));
    rows_->setStatement(children::emptyCardStatement());

    card_ = new CardPanel(CardPanel::RegistryNumber::Shown, this);
    card_->bindTo(*rows_);
    auto* registryNumber = qobject_cast<QLineEdit*>(card_->field(children::registryNumberColumn()));
    connect(registryNumber, &QLineEdit::textChanged, this, [this](const QString& text) {
        pendingRegistryNumber_ = children::pendingRegistryNumber(text);
    });

    // The kit's navigator: its new-card button (insert) writes a changed card before it begins
    // an empty one and drops an untouched one; every written card runs the statements that
    // follow a registration.
    navigator_ = new ui::Navigator(ui::Navigator::Insert | ui::Navigator::Post, this);
    rows_->attachNavigator(navigator_);
    connect(rows_, &ui::BoundTable::changed, this, &RegistrationCardWindow::showCardState);
    connect(rows_, &ui::BoundTable::posted, this, &RegistrationCardWindow::cardWritten);
    // After the kit's own handling of the click, which was connected first.
    connect(navigator_, &ui::Navigator::clicked, this, [this](ui::Navigator::Button which) {
        if (which == ui::Navigator::Insert && cardState() == CardState::Empty) {
            focusFirstField();
        }
    });

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
    fixSizeAndCentre(QSize(1000, 700));
}

QString RegistrationCardWindow::caption() {
    return QStringLiteral("Καταχώρηση των στοιχείων του παιδιού");
}

RegistrationCardWindow::CardState RegistrationCardWindow::cardState() const {
    if (card_->isReadOnly()) {
        return CardState::Saved;
    }
    return rows_->isEditing() && rows_->source().isModified() ? CardState::Changed
                                                              : CardState::Empty;
}

bool RegistrationCardWindow::saveCard() {
    return cardState() == CardState::Changed && rows_->post();
}

void RegistrationCardWindow::newCard() {
    if (rows_->insert()) {
        focusFirstField();
    }
}

// The card's row is written: from here on the card is saved, even if a statement below fails.
void RegistrationCardWindow::cardWritten() {
    children::recordEnrolmentAndTuition(connection(), pendingRegistryNumber_);
}

// A card shown without being edited is a saved one: it stays read-only until a new card begins,
// so it can never be saved a second time. Only a changed card can be saved.
void RegistrationCardWindow::showCardState() {
    card_->setReadOnly(!rows_->isEditing());
    navigator_->setButtonEnabled(ui::Navigator::Post, cardState() == CardState::Changed);
}

void RegistrationCardWindow::focusFirstField() {
    if (QWidget* first = card_->fieldsInOrder().value(0)) {
        first->setFocus();
    }
}

}  // namespace children
