#include "finance/owed_tuition_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "db/query.h"
#include "finance/child_identity_lines.h"
#include "finance/tuition_views.h"
#include "ui/labels.h"
#include "ui/navigator.h"

namespace finance {

OwedTuitionWindow::OwedTuitionWindow(const common::ProgramContext& context,
                                     const QString& childNumber, const QString& firstName,
                                     const QString& surname, QWidget* parent)
    : ui::DataWindow(context, parent), childNumber_(childNumber) {
    setWindowTitle(QStringLiteral("Οφειλόμενα δίδακτρα"));
    months_ = bindQuery();
    buildLayout(firstName, surname);
    fixSizeAndCentre();
}

void OwedTuitionWindow::buildLayout(const QString& firstName, const QString& surname) {
    auto* identity = new QGridLayout;
    addChildIdentityLines(identity, 0, childNumber_, firstName, surname, this);
    identity->setColumnStretch(2, 1);

    auto* grid = new QTableView(this);
    grid->setMinimumSize(260, 260);
    months_->attachGrid(grid,
                        {{QStringLiteral("MHNAS"), QStringLiteral("Μήνας"), 90, Qt::AlignCenter},
                         {QStringLiteral("ETOS"), QStringLiteral("Έτος"), 90, Qt::AlignCenter}});
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), this);
    months_->attachNavigator(navigator);

    owedCount_ = ui::redLabel(QString(), this, true);
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Σύνολο:"), this));
    count->addWidget(owedCount_);
    count->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator);
    bottom->addStretch();
    bottom->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(identity);
    layout->addWidget(grid);
    layout->addLayout(count);
    layout->addLayout(bottom);
}

void OwedTuitionWindow::formShow() {
    months_->setStatement(owedMonthsStatement(childNumber_));
    owedCount_->setText(db::scalar(connection(), owedCountStatement(childNumber_)).toString());
}

}  // namespace finance
