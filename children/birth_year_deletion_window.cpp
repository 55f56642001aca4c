#include "children/birth_year_deletion_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/birth_year_deletion.h"
#include "db/clock.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace children {

BirthYearDeletionWindow::BirthYearDeletionWindow(const common::ProgramContext& context,
                                                 QWidget* parent)
    : ui::DataWindow(context, parent),
      years_(new QComboBox(this)),
      delete_(new QPushButton(QStringLiteral("Δια&γραφή"), this)) {
    setWindowTitle(caption());
    delete_->setAutoDefault(false);
    years_->addItems(birthYears(connection(), db::Clock::today()));
    years_->setCurrentIndex(0);
    connect(delete_, &QPushButton::clicked, this, &BirthYearDeletionWindow::deleteYear);

    auto* year = new QHBoxLayout;
    year->addWidget(new QLabel(QStringLiteral("Έτος:"), this));
    year->addWidget(years_);
    year->addWidget(ui::requiredMark(this));
    year->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(delete_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ui::boldLabel(caption(), this));
    layout->addWidget(ui::boldLabel(QStringLiteral("με βάση το έτος γεννήσεως τους"), this));
    layout->addLayout(year);
    layout->addLayout(buttons);
    fixSizeAndCentre();
}

QString BirthYearDeletionWindow::caption() {
    return QStringLiteral("Διαγραφή παιδιών από τη βάση δεδομένων");
}

QString BirthYearDeletionWindow::question() {
    return QStringLiteral("Να διαγράψω τα δεδομένα;");
}

void BirthYearDeletionWindow::deleteYear() {
    if (!ui::askYesNo(this, question())) {
        return;
    }
    deleteChildrenBornIn(connection(), years_->currentText());
}

}  // namespace children
