#include "children/birthdays_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>

#include "children/birthdays.h"
#include "common/month_names.h"
#include "db/clock.h"
#include "ui/count_label.h"
#include "ui/labels.h"

namespace children {

namespace {

QSlider* makeSlider(int maximum, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(1, maximum);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setMinimumWidth(420);
    return slider;
}

}  // namespace

BirthdaysWindow::BirthdaysWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      rows_(bindQuery()),
      month_(makeSlider(12, this)),
      day_(makeSlider(31, this)),
      monthName_(ui::boldLabel(QString(), this)),
      monthNumber_(ui::boldLabel(QString(), this)),
      dayNumber_(ui::boldLabel(QString(), this)),
      today_(new QPushButton(QStringLiteral("Σήμερα"), this)),
      grid_(new QTableView(this)),
      count_(new ui::CountLabel(QStringLiteral("καταχωρήσεις"), this)) {
    setWindowTitle(QStringLiteral("Γενέθλια παιδιών"));
    ui::makeBold(count_);
    setMainAction(today_);

    rows_->attachGrid(
        grid_, {
                   {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 110,
                    Qt::AlignRight | Qt::AlignVCenter},
                   {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 120},
                   {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 140},
                   {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("Ημερομηνία Γεννήσεως"),
                    140, Qt::AlignCenter},
                   {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("Διεύθυνση οικίας"), 180},
                   {QStringLiteral("THLEFWNO_OIKIAS"), QStringLiteral("Τηλέφωνο οικίας"), 110},
               });
    grid_->setMinimumSize(900, 260);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeSliders());
    layout->addWidget(grid_);
    layout->addWidget(count_);
    layout->addWidget(makeExitButton(), 0, Qt::AlignRight);

    connect(month_, &QSlider::valueChanged, this, &BirthdaysWindow::refresh);
    connect(day_, &QSlider::valueChanged, this, &BirthdaysWindow::refresh);
    connect(today_, &QPushButton::clicked, this, &BirthdaysWindow::setToday);
    setToday();
    fixSizeAndCentre();
}

QLayout* BirthdaysWindow::makeSliders() {
    auto* sliders = new QGridLayout;
    auto* monthCaption = new QHBoxLayout;
    monthCaption->addWidget(new QLabel(QStringLiteral("Μήνας:"), this));
    monthCaption->addWidget(monthName_);
    monthCaption->addStretch();
    auto* dayCaption = new QHBoxLayout;
    dayCaption->addWidget(new QLabel(QStringLiteral("Μέρα:"), this));
    dayCaption->addWidget(dayNumber_);
    dayCaption->addStretch();
    sliders->addLayout(monthCaption, 0, 0);
    sliders->addWidget(month_, 1, 0);
    sliders->addWidget(monthNumber_, 1, 1);
    sliders->addLayout(dayCaption, 2, 0);
    sliders->addWidget(day_, 3, 0);
    sliders->addWidget(today_, 1, 2, 3, 1, Qt::AlignCenter);
    sliders->setColumnMinimumWidth(1, 30);
    sliders->setColumnStretch(3, 1);
    return sliders;
}

void BirthdaysWindow::setToday() {
    const QDate today = db::Clock::today();
    const QSignalBlocker blockMonth(month_);
    const QSignalBlocker blockDay(day_);
    month_->setValue(today.month());
    day_->setValue(today.day());
    refresh();
}

void BirthdaysWindow::refresh() {
    monthNumber_->setText(QString::number(month_->value()));
    monthName_->setText(common::monthName(month_->value(), common::MonthCase::Nominative,
                                          common::MaySpelling::Diaeresis));
    dayNumber_->setText(QString::number(day_->value()));
    rows_->setStatement(children::birthdaysStatement(day_->value(), month_->value()));
    count_->setCount(rows_->rows().rowCount());
}

}  // namespace children
