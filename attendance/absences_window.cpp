#include "attendance/absences_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "attendance/absences.h"
#include "db/error.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace attendance {

AbsencesWindow::AbsencesWindow(const common::ProgramContext& context, const QString& childNumber,
                               const QString& firstName, const QString& surname, QWidget* parent)
    : ui::DataWindow(context, parent), childNumber_(childNumber) {
    setWindowTitle(QStringLiteral("Απουσίες"));
    absences_ = bindTableSearch(QStringLiteral("APOYSIES"));

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeader(firstName, surname));
    layout->addWidget(makeList());
    layout->addLayout(exitRow);
    connect(recordButton_, &QPushButton::clicked, this, &AbsencesWindow::record);
    // After every navigator button, the bound table having done its part.
    connect(navigator_, &ui::Navigator::clicked, this, &AbsencesWindow::updateCount);
    fixSizeAndCentre();
}

QWidget* AbsencesWindow::makeHeader(const QString& firstName, const QString& surname) {
    auto* header = new QWidget(this);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    // The M of the first caption is a Latin letter, as the staff have always seen it.
    const std::pair<QString, QString> values[] = {
        {QStringLiteral("Αριθμός Mητρώου:"), childNumber_},
        {QStringLiteral("Όνομα:"), firstName},
        {QStringLiteral("Επώνυμο:"), surname},
    };
    int row = 0;
    for (const auto& [caption, value] : values) {
        grid->addWidget(new QLabel(caption, header), row, 0);
        grid->addWidget(ui::boldLabel(value, header), row, 1, 1, 2);
        ++row;
    }
    dayField_ = new QLineEdit(header);
    dayField_->setMaximumWidth(110);
    recordButton_ = new QPushButton(QStringLiteral("Κ&αταχώρηση"), header);
    setMainAction(recordButton_);
    grid->addWidget(new QLabel(QStringLiteral("Ημερομηνία:"), header), row, 0);
    grid->addWidget(dayField_, row, 1);
    grid->addWidget(ui::redLabel(QStringLiteral("* (π.χ 28/12/2007)"), header), row, 2);
    grid->addWidget(recordButton_, row, 3);
    grid->setColumnStretch(2, 1);
    return header;
}

QWidget* AbsencesWindow::makeList() {
    auto* panel = new QWidget(this);
    grid_ = new QTableView(panel);
    grid_->setFixedSize(200, 260);
    grid_->setFocusPolicy(Qt::ClickFocus);  // Tab goes from the date field to the button
    absences_->attachGrid(grid_, {{QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 150,
                                   Qt::AlignCenter}});
    count_ = new ui::CountLabel(QStringLiteral("απουσίες"), panel);
    ui::makeBold(count_);
    navigator_ = new ui::Navigator(ui::Navigator::moving() | ui::Navigator::Delete, panel);
    absences_->attachNavigator(navigator_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    layout->addWidget(count_);
    layout->addWidget(navigator_, 0, Qt::AlignLeft);
    return panel;
}

const db::RowSet& AbsencesWindow::absences() const {
    return absences_->rows();
}

void AbsencesWindow::formShow() {
    dayField_->setFocus();
    refresh();
}

// Not guarded: a failing list reaches the general error report.
void AbsencesWindow::refresh() {
    absences_->setStatement(absencesStatement(childNumber_));
    updateCount();
    dayField_->clear();
}

void AbsencesWindow::updateCount() {
    count_->setCount(absences_->rows().rowCount());
}

void AbsencesWindow::record() {
    try {
        recordAbsence(connection(), childNumber_, dayField_->text());
    } catch (const db::Error&) {
        ui::warn(this, absenceNotRecordedMessage());
        dayField_->clear();
        return;
    }
    refresh();
}

}  // namespace attendance
