#include "programme/programme_print_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "db/connection.h"
#include "programme/report_programme.h"

namespace programme {

ProgrammePrintWindow::ProgrammePrintWindow(const common::ProgramContext& context,
                                           const TeachingProgramme& kind, QWidget* parent)
    : ui::Window(parent),
      context_(context),
      kind_(kind),
      printAll_(new QPushButton(QStringLiteral("Εκτύπωση όλων"), this)),
      printSelected_(new QPushButton(QStringLiteral("Εκτύπωση του επιλεγμένου"), this)) {
    setWindowTitle(QStringLiteral("Εκτύπωση"));
    setMainAction(printAll_);
    printSelected_->setAutoDefault(false);
    printSelected_->setEnabled(false);
    connect(printAll_, &QPushButton::clicked, this, &ProgrammePrintWindow::printAll);
    connect(printSelected_, &QPushButton::clicked, this, &ProgrammePrintWindow::printSelected);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(printAll_);
    layout->addWidget(printSelected_);
    layout->addWidget(makeExitButton());
    fixSizeAndCentre();
}

void ProgrammePrintWindow::setKeyTexts(const QStringList& keyTexts) {
    keyTexts_ = keyTexts;
    printSelected_->setEnabled(printSelectedStatement(kind_, keyTexts_).has_value());
}

void ProgrammePrintWindow::printAll() {
    print(kind_.printAllStatement);
}

void ProgrammePrintWindow::printSelected() {
    if (const std::optional<QString> statement = printSelectedStatement(kind_, keyTexts_)) {
        print(*statement);
    }
}

void ProgrammePrintWindow::print(const QString& statement) {
    db::Connection connection(context_.connectionString);  // closed however the print ends
    connection.open();
    printRows(connection, context_.programDirectory, kind_.reportFile, kind_.dataConnection,
              statement);
}

}  // namespace programme
