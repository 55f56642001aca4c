#include "children/de_enrolment_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/enrolment_history.h"
#include "db/error.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace children {

DeEnrolmentWindow::DeEnrolmentWindow(const common::ProgramContext& context,
                                     const QString& registryNumber, const QString& enrolmentDate,
                                     QWidget* parent)
    : ui::DataWindow(context, parent),
      registryNumber_(registryNumber),
      enrolmentDate_(enrolmentDate),
      date_(new QLineEdit(this)),
      reason_(new QLineEdit(this)),
      deEnrol_(new QPushButton(QStringLiteral("&Διαγραφή"), this)) {
    setWindowTitle(caption());
    setMainAction(deEnrol_);
    deEnrol_->setEnabled(false);
    date_->setFixedWidth(110);
    reason_->setMinimumWidth(360);
    connect(date_, &QLineEdit::textChanged, this, &DeEnrolmentWindow::fieldChanged);
    connect(reason_, &QLineEdit::textChanged, this, &DeEnrolmentWindow::fieldChanged);
    connect(deEnrol_, &QPushButton::clicked, this, &DeEnrolmentWindow::deEnrol);

    auto* dateLine = new QHBoxLayout;
    dateLine->addWidget(date_);
    dateLine->addWidget(ui::redLabel(QStringLiteral("* (π.χ 28/12/2007)"), this));
    dateLine->addStretch();
    auto* reasonLine = new QHBoxLayout;
    reasonLine->addWidget(reason_);
    reasonLine->addWidget(ui::requiredMark(this));
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Ημερομηνία:"), this), 0, 0);
    fields->addLayout(dateLine, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Λόγος διαγραφής:"), this), 1, 0);
    fields->addLayout(reasonLine, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(deEnrol_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    fixSizeAndCentre(QSize(560, 130));
}

QString DeEnrolmentWindow::caption() {
    return QStringLiteral("Διαγραφή");
}

QString DeEnrolmentWindow::failureMessage() {
    return QStringLiteral("Η διαγραφή δεν έγινε.");
}

// Both fields are tested whichever changed, so no forbidden character is left standing in the
// other one.
void DeEnrolmentWindow::fieldChanged() {
    deEnrol_->setEnabled(deEnrolmentInputAccepted(date_->text(), reason_->text()));
}

void DeEnrolmentWindow::deEnrol() {
    try {
        children::deEnrol(connection(), registryNumber_, date_->text(), reason_->text(),
                          enrolmentDate_);
    } catch (const db::Error&) {
        ui::warn(this, failureMessage());
        return;
    }
    accept();
}

}  // namespace children
