#include "children/measurements_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "children/child_header.h"
#include "children/measurements.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/navigator.h"

namespace children {

using namespace Qt::StringLiterals;

MeasurementsWindow::MeasurementsWindow(const common::ProgramContext& context,
                                       const QString& registryNumber, const QString& firstName,
                                       const QString& surname, QWidget* parent)
    : ui::DataWindow(context, parent),
      child_{registryNumber, firstName, surname},
      entry_(bindTableSearch(measurementsTable())),
      list_(bindTableSearch(measurementsTable())) {
    setWindowTitle(caption());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeChildHeader(child_, this));
    layout->addLayout(makeEntryFields());
    layout->addWidget(makeList(), 1);
    layout->addWidget(makeExitButton(), 0, Qt::AlignRight);
    fixSizeAndCentre(QSize(520, 560));

    // The entry reads no existing measurement: it only ever appends.
    entry_->setStatement(u"SELECT * FROM CHILDREN_METRHSEIS WHERE 1=0"_s);
    beginEntry();
    list_->setStatement(measurementListStatement(child_.registryNumber));
    updateCount();
}

QString MeasurementsWindow::caption() {
    return u"Σωματομετρία"_s;
}

QLayout* MeasurementsWindow::makeEntryFields() {
    date_ = new QLineEdit(this);
    height_ = new QLineEdit(this);
    weight_ = new QLineEdit(this);
    struct Line {
        QString label;
        QLineEdit* field;
        QString column;
        QString mark;
    };
    const QList<Line> lines = {
        {u"Ημερομηνία:"_s, date_, u"HMEROMHNIA"_s, u"* (π.χ 28/12/2007)"_s},
        {u"Ύψος:"_s, height_, u"YPSOS"_s, u"*"_s},
        {u"Βάρος:"_s, weight_, u"BAROS"_s, u"*"_s},
    };
    auto* fields = new QGridLayout;
    int row = 0;
    for (const Line& line : lines) {
        line.field->setFixedWidth(110);
        entry_->bind(line.field, line.column);
        entry_->setCaption(line.column, line.label.chopped(1));
        fields->addWidget(new QLabel(line.label, this), row, 0);
        fields->addWidget(line.field, row, 1);
        fields->addWidget(ui::redLabel(line.mark, this), row, 2);
        ++row;
    }
    entryNavigator_ = new ui::Navigator(ui::Navigator::Post, this);
    entry_->attachNavigator(entryNavigator_);
    connect(entry_, &ui::BoundTable::posted, this, &MeasurementsWindow::entrySaved);
    fields->addWidget(entryNavigator_, row, 1, Qt::AlignLeft);
    fields->setColumnStretch(3, 1);
    return fields;
}

QWidget* MeasurementsWindow::makeList() {
    auto* panel = new QWidget(this);
    grid_ = new QTableView(panel);
    list_->attachGrid(grid_, {
                                 {u"HMEROMHNIA"_s, u"Ημερομηνία"_s, 120, Qt::AlignCenter},
                                 {u"YPSOS"_s, u"Ύψος"_s, 100, Qt::AlignRight | Qt::AlignVCenter},
                                 {u"BAROS"_s, u"Βάρος"_s, 100, Qt::AlignRight | Qt::AlignVCenter},
                             });
    count_ = new ui::CountLabel(u"μετρήσεις"_s, panel);
    ui::makeBold(count_);
    listNavigator_ = new ui::Navigator(ui::Navigator::moving() | ui::Navigator::Delete, panel);
    list_->attachNavigator(listNavigator_);
    connect(listNavigator_, &ui::Navigator::clicked, this, &MeasurementsWindow::updateCount);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 1);
    auto* under = new QHBoxLayout;
    under->addWidget(count_);
    under->addStretch();
    under->addWidget(listNavigator_);
    layout->addLayout(under);
    return panel;
}

void MeasurementsWindow::beginEntry() {
    entry_->reload();
    entry_->insert();
    stampRegistryNumber();
}

void MeasurementsWindow::stampRegistryNumber() {
    entry_->setText(entry_->rows().columnIndex(u"ARITHMOS_MHTRWOY"_s), child_.registryNumber);
}

void MeasurementsWindow::entrySaved() {
    list_->reload();
    updateCount();
    beginEntry();
}

void MeasurementsWindow::updateCount() {
    count_->setCount(list_->rows().rowCount());
}

}  // namespace children
