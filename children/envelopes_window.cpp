#include "children/envelopes_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "children/report_envelopes.h"
#include "db/connection.h"

namespace children {

EnvelopesWindow::EnvelopesWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent),
      context_(context),
      print_(new QPushButton(QStringLiteral("Εκτύπωση"), this)) {
    setWindowTitle(caption());
    setMainAction(print_);
    connect(print_, &QPushButton::clicked, this, &EnvelopesWindow::print);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(print_);
    layout->addWidget(makeExitButton());
    fixSizeAndCentre(QSize(380, 60));
}

QString EnvelopesWindow::caption() {
    return QStringLiteral("Εκτύπωση διευθύνσεων σε φακέλλους");
}

void EnvelopesWindow::print() {
    db::Connection connection(context_.connectionString);
    connection.open();
    printEnvelopes(connection, context_.programDirectory);
}

}  // namespace children
