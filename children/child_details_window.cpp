#include "children/child_details_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/card_panel_window.h"
#include "children/card_print.h"
#include "children/card_print_window.h"
#include "children/child_details.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace children {

using children::CardPanel;

ChildDetailsWindow::ChildDetailsWindow(const common::ProgramContext& context,
                                       const QString& registryNumber, QWidget* parent)
    : ui::DataWindow(context, parent), registryNumber_(registryNumber.trimmed()) {
    setWindowTitle(caption());
    child_ = bindTableSearch(QStringLiteral("CHILDREN"));
    card_ = new CardPanel(CardPanel::RegistryNumber::Hidden, this);
    card_->bindTo(*child_);
    navigator_ =
        new ui::Navigator(ui::Navigator::Edit | ui::Navigator::Post | ui::Navigator::Cancel, this);
    child_->attachNavigator(navigator_);

    print_ = new QPushButton(QStringLiteral("Ε&κτύπωση"), this);
    print_->setAutoDefault(false);
    connect(print_, &QPushButton::clicked, this, &ChildDetailsWindow::openCardPrints);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator_);
    bottom->addStretch();
    bottom->addWidget(print_);
    bottom->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(card_, 1);
    layout->addLayout(bottom);
    fixSizeAndCentre(QSize(1000, 700));

    child_->setStatement(children::childDetailsStatement(registryNumber_));
    // In editing at once, so save and cancel are there before the first key.
    child_->edit();
}

QString ChildDetailsWindow::caption() {
    return QStringLiteral("Στοιχεία του παιδιού");
}

// The cards print what is stored: changes not yet saved are not printed.
void ChildDetailsWindow::openCardPrints() {
    CardPrintWindow& prints = children::cardPrintWindow(programContext());
    prints.setMode(children::CardPrintMode::child(registryNumber_));
    ui::showModal(&prints);
}

}  // namespace children
