#include "children/card_print_window.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/report_card_print.h"
#include "db/connection.h"
#include "ui/long_lived_windows.h"
#include "ui/modal.h"

namespace children {

using children::CardPrint;

CardPrintWindow::CardPrintWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), context_(&context) {
    setWindowTitle(caption());
    list_ =
        printButton(QStringLiteral("Εκτύπωση της λίστας των &παιδιών"), CardPrint::ChildrenList);
    personal_ = printButton(QStringLiteral("Εκτύπωση &ατομικού πληροφοριακού δελτίου"),
                            CardPrint::PersonalCard);
    health_ = printButton(QStringLiteral("Εκτύπωση δελτίου &υγείας"), CardPrint::HealthCard);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(personal_);
    layout->addWidget(health_);
    layout->addWidget(makeExitButton());
    setMode(children::CardPrintMode::all());
    fixSizeAndCentre(QSize(380, 190));
}

QString CardPrintWindow::caption() {
    return QStringLiteral("Εκτύπωση");
}

QPushButton* CardPrintWindow::printButton(const QString& caption, CardPrint which) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, which] { print(which); });
    return button;
}

void CardPrintWindow::setMode(const children::CardPrintMode& mode) {
    mode_ = mode;
    list_->setEnabled(mode.everyChild);
}

void CardPrintWindow::print(CardPrint which) {
    if (which == CardPrint::ChildrenList && !mode_.everyChild) {
        return;
    }
    if (which == CardPrint::ChildrenList && listSelect_.trimmed().isEmpty()) {
        ui::inform(this, children::nothingToPrintMessage());
        return;
    }
    db::Connection connection(context_->connectionString);
    connection.open();
    children::printCards(connection, context_->programDirectory, which, mode_, listSelect_);
}

CardPrintWindow& cardPrintWindow(const common::ProgramContext& context) {
    if (CardPrintWindow* programs = ui::longLivedWindow<CardPrintWindow>()) {
        return *programs;
    }
    static QPointer<CardPrintWindow> own;
    if (!own) {
        own = new CardPrintWindow(context);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, own, &QObject::deleteLater);
    }
    own->setProgramContext(context);
    return *own;
}

}  // namespace children
