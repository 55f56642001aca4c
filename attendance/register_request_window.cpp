#include "attendance/register_request_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "attendance/attendance_register.h"
#include "attendance/register_window.h"
#include "common/forbidden_characters.h"
#include "db/error.h"
#include "reports/report_progress_dialog.h"
#include "searches/parametrised_searches.h"
#include "ui/labels.h"
#include "ui/long_lived_windows.h"
#include "ui/modal.h"

namespace attendance {

RegisterRequestWindow::RegisterRequestWindow(const common::ProgramContext& context,
                                             RegisterWindow* registerWindow, QWidget* parent)
    : ui::DataWindow(context, parent), registerWindow_(registerWindow) {
    setWindowTitle(QStringLiteral("Παρουσιολόγιο"));
    buildButton_ = new QPushButton(QStringLiteral("Εύρεση"), this);
    buildButton_->setEnabled(false);
    setMainAction(buildButton_);
    connect(buildButton_, &QPushButton::clicked, this, &RegisterRequestWindow::build);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buildButton_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeInputs());
    layout->addLayout(buttons);
    fixSizeAndCentre();
    yearField_->setFocus();
}

QWidget* RegisterRequestWindow::makeInputs() {
    auto* inputs = new QWidget(this);
    yearField_ = new QLineEdit(inputs);
    yearField_->setMaximumWidth(60);
    yearField_->setToolTip(QStringLiteral("(π.χ 2005)"));
    connect(yearField_, &QLineEdit::textChanged, this, &RegisterRequestWindow::yearChanged);
    monthList_ = new QComboBox(inputs);
    monthList_->addItems(registerMonths());
    monthList_->setCurrentIndex(0);

    auto* layout = new QGridLayout(inputs);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Έτος:"), inputs), 0, 0);
    layout->addWidget(yearField_, 0, 1);
    layout->addWidget(ui::requiredMark(inputs), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Μήνας:"), inputs), 1, 0);
    layout->addWidget(monthList_, 1, 1);
    layout->addWidget(ui::requiredMark(inputs), 1, 2);
    layout->setColumnStretch(3, 1);
    return inputs;
}

void RegisterRequestWindow::yearChanged() {
    const QString year = yearField_->text().trimmed();
    buildButton_->setEnabled(!year.isEmpty() && common::passesForbiddenCharacterTest(year));
}

RegisterWindow& RegisterRequestWindow::registerWindow() {
    if (!registerWindow_) {
        registerWindow_ = ui::longLivedWindow<RegisterWindow>();
    }
    if (!registerWindow_) {
        throw std::logic_error("A register was built before the program created its window");
    }
    return *registerWindow_;
}

// One guarded block: a year that is not a whole number (nothing written), a build the engine
// refuses (the previous register kept) or a register window that cannot read the register all
// end with the same message.
void RegisterRequestWindow::build() {
    try {
        connection().close();
        connection().open();
        const std::optional<RegisterMonth> request =
            registerMonth(yearField_->text(), monthList_->currentIndex() + 1);
        if (!request) {
            ui::warn(this, searches::wrongCriteriaMessage());
            return;
        }
        {
            reports::WorkProgress progress(windowTitle(),
                                           QStringLiteral("Δημιουργία παρουσιολογίου…"));
            buildRegister(connection(), *request, std::ref(progress));
        }
        connection().close();
        registerWindow().showRegister();
    } catch (const db::Error&) {
        ui::warn(this, searches::wrongCriteriaMessage());
    }
}

}  // namespace attendance
