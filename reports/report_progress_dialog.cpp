#include "reports/report_progress_dialog.h"

#include <QApplication>
#include <QProgressDialog>

namespace reports {

namespace {

constexpr int kShownAfterMs = 1000;

}  // namespace

WorkProgress::WorkProgress(const QString& title, const QString& label) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    dialog_ = std::make_unique<QProgressDialog>(QApplication::activeWindow());
    dialog_->setWindowTitle(title);
    dialog_->setLabelText(label);
    dialog_->setCancelButton(nullptr);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(kShownAfterMs);
    dialog_->setRange(0, 1);
    dialog_->setValue(0);  // starts the clock of the delay
}

WorkProgress::~WorkProgress() = default;

void WorkProgress::operator()(int done, int total) {
    if (!dialog_)
        return;
    dialog_->setMaximum(total);
    dialog_->setValue(done);
    // The work goes on without an event loop: the dialog is drawn here, between its steps.
    if (dialog_->isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace reports
