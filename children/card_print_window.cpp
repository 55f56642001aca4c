#include "children/card_print_window.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/program_context.h"
#include "app/shell_long_lived.h"
#include "db/connection.h"
#include "db/query.h"
#include "reports/report_dataset.h"
#include "reports/report_engine.h"

using children::CardPrint;

TForm35::TForm35(QWidget* parent) : ui::Window(parent) {
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

QString TForm35::caption() {
    return QStringLiteral("Εκτύπωση");
}

QPushButton* TForm35::printButton(const QString& caption, CardPrint which) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, which] { print(which); });
    return button;
}

void TForm35::setMode(const children::CardPrintMode& mode) {
    mode_ = mode;
    list_->setEnabled(mode.everyChild);
}

void TForm35::print(CardPrint which) {
    if (which == CardPrint::ChildrenList && !mode_.everyChild) {
        return;
    }
    db::Connection connection(app::context().connectionString);
    connection.open();
    db::Query query(connection, children::cardPrintStatement(which, mode_, listSelect_));
    query.open();
    reports::run(
        reports::reportPath(app::context().programDirectory, children::cardPrintReportFile(which)),
        {reports::dataSet(children::cardPrintConnectionName(), query)});
}

namespace children {

TForm35& cardPrintWindow() {
    if (TForm35* programs = app::longLivedWindow<TForm35>()) {
        return *programs;
    }
    static QPointer<TForm35> own;
    if (!own) {
        own = new TForm35;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, own, &QObject::deleteLater);
    }
    return *own;
}

}  // namespace children
