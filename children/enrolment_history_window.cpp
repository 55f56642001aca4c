#include "children/enrolment_history_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "children/child_header.h"
#include "children/de_enrolment_window.h"
#include "children/enrolment_history.h"
#include "children/re_enrolment_window.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace children {

EnrolmentHistoryWindow::EnrolmentHistoryWindow(const common::ProgramContext& context,
                                               const QString& registryNumber,
                                               const QString& firstName, const QString& surname,
                                               QWidget* parent)
    : ui::DataWindow(context, parent),
      child_{registryNumber, firstName, surname},
      history_(bindQuery()) {
    setWindowTitle(caption());
    reEnrol_ = new QPushButton(QStringLiteral("&Επανεγγραφή"), this);
    deEnrol_ = new QPushButton(QStringLiteral("&Διαγραφή"), this);
    for (QPushButton* button : {reEnrol_, deEnrol_}) {
        button->setAutoDefault(false);
        button->setEnabled(false);
    }
    connect(reEnrol_, &QPushButton::clicked, this, &EnrolmentHistoryWindow::reEnrol);
    connect(deEnrol_, &QPushButton::clicked, this, &EnrolmentHistoryWindow::deEnrol);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reEnrol_);
    buttons->addWidget(deEnrol_);
    buttons->addStretch();
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeChildHeader(child_, this));
    layout->addWidget(makeGrid(), 1);
    layout->addLayout(buttons);
    fixSizeAndCentre(QSize(640, 440));

    history_->setStatement(historyStatement(child_.registryNumber));
    refreshButtons();
}

QString EnrolmentHistoryWindow::caption() {
    return QStringLiteral("Επανεγγραφές / Διαγραφές");
}

QWidget* EnrolmentHistoryWindow::makeGrid() {
    auto* panel = new QWidget(this);
    grid_ = new QTableView(panel);
    history_->attachGrid(
        grid_, {
                   {QStringLiteral("HMEROMHNIA_EGGRAFHS"), QStringLiteral("Ημερομηνία εγγραφής"),
                    140, Qt::AlignCenter},
                   {QStringLiteral("HMEROMHNIA_DIAGRAFHS"), QStringLiteral("Ημερομηνία διαγραφής"),
                    140, Qt::AlignCenter},
                   {QStringLiteral("LOGOS_DIAGRAFHS"), QStringLiteral("Λόγος Διαγραφής"), 300},
               });
    count_ = new ui::CountLabel(QStringLiteral("εγγραφές"), panel);
    ui::makeBold(count_);
    navigator_ = new ui::Navigator(ui::Navigator::moving(), panel);
    history_->attachNavigator(navigator_);
    // Every way the current row can change: a click on a cell, a key in the grid, a navigator
    // button; the bound table reports them all as a change of the current row.
    connect(history_, &ui::BoundTable::changed, this, &EnrolmentHistoryWindow::refreshButtons);
    connect(grid_, &QTableView::clicked, this, &EnrolmentHistoryWindow::refreshButtons);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 1);
    auto* under = new QHBoxLayout;
    under->addWidget(count_);
    under->addStretch();
    under->addWidget(navigator_);
    layout->addLayout(under);
    return panel;
}

void EnrolmentHistoryWindow::refreshButtons() {
    const db::RowSet& rows = history_->rows();
    count_->setCount(rows.rowCount());
    const QString reason =
        rows.position() >= 0 ? rows.text(QStringLiteral("LOGOS_DIAGRAFHS")) : QString();
    deEnrol_->setEnabled(deEnrolmentAllowed(rows.rowCount(), reason));
    reEnrol_->setEnabled(reEnrolmentAllowed(openPeriodCount(connection(), child_.registryNumber)));
}

void EnrolmentHistoryWindow::reEnrol() {
    ReEnrolmentWindow window(programContext(), child_.registryNumber, this);
    ui::showModal(&window);
    reconnectAndReload();
}

void EnrolmentHistoryWindow::deEnrol() {
    const db::RowSet& rows = history_->rows();
    if (rows.position() < 0) {
        return;
    }
    DeEnrolmentWindow window(programContext(), child_.registryNumber,
                             rows.text(QStringLiteral("HMEROMHNIA_EGGRAFHS")).trimmed(), this);
    ui::showModal(&window);
    reconnectAndReload();
}

void EnrolmentHistoryWindow::reconnectAndReload() {
    connection().close();
    connection().open();
    history_->reload();
    refreshButtons();
}

}  // namespace children
