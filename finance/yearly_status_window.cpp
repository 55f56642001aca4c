#include "finance/yearly_status_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "db/clock.h"
#include "finance/payment.h"
#include "finance/report_yearly_status.h"
#include "finance/yearly_status.h"
#include "reports/report_progress_dialog.h"

namespace finance {

YearlyStatusWindow::YearlyStatusWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Κατάσταση πληρωμής διδάκτρων"));
    yearList_ = new QComboBox(this);
    yearList_->addItems(paymentYears(db::Clock::today()));
    show_ = new QPushButton(QStringLiteral("Π&αρουσίαση"), this);
    setMainAction(show_);

    auto* year = new QHBoxLayout;
    year->addWidget(new QLabel(QStringLiteral("Έτος:"), this));
    year->addWidget(yearList_);
    year->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(show_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(year);
    layout->addLayout(buttons);

    connect(show_, &QPushButton::clicked, this, &YearlyStatusWindow::present);
    fixSizeAndCentre();
}

void YearlyStatusWindow::formShow() {
    yearList_->setCurrentIndex(paymentYearIndex(db::Clock::today()));
}

// Failures are not caught here: they reach the program's general error report, and the status
// built before stays whole.
void YearlyStatusWindow::present() {
    connection().close();
    connection().open();
    {
        reports::WorkProgress progress(windowTitle(),
                                       QStringLiteral("Δημιουργία κατάστασης πληρωμών…"));
        buildYearlyStatus(connection(), yearList_->currentText(), std::ref(progress));
    }
    printYearlyStatus(connection(), programContext().programDirectory);
    connection().close();
}

}  // namespace finance
