#include "organiser/appointments_calendar_window.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "common/month_names.h"
#include "db/clock.h"
#include "organiser/appointment_list_window.h"
#include "organiser/appointments.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace organiser {

namespace {

const QColor kWeekdayHeading(0x00, 0x80, 0x00);
const QColor kWeekendHeading(0x00, 0xFF, 0x00);
const QColor kTodayDigits(0x00, 0x80, 0x00);
const QColor kWeekendDigits(0x80, 0x80, 0x80);
const QSize kCellSize(84, 70);

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setPointSize(QWidget* widget, int points) {
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

QStringList monthNames() {
    QStringList names;
    for (int month = 1; month <= 12; ++month) {
        names.append(common::monthName(month));
    }
    return names;
}

QLabel* weekdayHeading(int column, QWidget* parent) {
    static const QStringList names = {
        QStringLiteral("Δευτέρα"), QStringLiteral("Τρίτη"),     QStringLiteral("Τετάρτη"),
        QStringLiteral("Πέμπτη"),  QStringLiteral("Παρασκευή"), QStringLiteral("Σάββατο"),
        QStringLiteral("Κυριακή"),
    };
    auto* heading = ui::boldLabel(names.at(column), parent);
    heading->setAlignment(Qt::AlignCenter);
    setTextColour(heading, isWeekendCell(column + 1) ? kWeekendHeading : kWeekdayHeading);
    return heading;
}

}  // namespace

AppointmentsCalendarWindow::AppointmentsCalendarWindow(const common::ProgramContext& context,
                                                       QWidget* parent)
    : ui::DataWindow(context, parent), today_(db::Clock::today()) {
    setWindowTitle(QStringLiteral("Μηνιαία κατάσταση των ραντεβού"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeChoiceRow());
    layout->addLayout(makeGrid());
    QPushButton* exit = makeExitButton();
    exit->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(exit, 0, Qt::AlignRight);

    connect(yearList_, &QComboBox::currentIndexChanged, this,
            &AppointmentsCalendarWindow::showMonth);
    connect(monthList_, &QComboBox::currentIndexChanged, this,
            &AppointmentsCalendarWindow::showMonth);
    connect(todayButton_, &QPushButton::clicked, this, &AppointmentsCalendarWindow::selectToday);
    selectToday();
    fixSizeAndCentre();
}

QLayout* AppointmentsCalendarWindow::makeChoiceRow() {
    yearList_ = new QComboBox(this);
    yearList_->addItems(calendarYears(today_));
    yearList_->setMaxVisibleItems(15);
    yearList_->setStyleSheet(QStringLiteral("combobox-popup: 0;"));  // a list that scrolls
    setPointSize(yearList_, 14);
    QPalette blue = yearList_->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    blue.setColor(QPalette::Text, Qt::blue);
    yearList_->setPalette(blue);
    todayButton_ = new QPushButton(QStringLiteral("Σήμερα"), this);
    monthList_ = new QComboBox(this);
    monthList_->addItems(monthNames());
    monthList_->setMaxVisibleItems(12);
    // The lists and the button are used with the mouse: Tab passes them all by.
    for (QWidget* control : {static_cast<QWidget*>(yearList_), static_cast<QWidget*>(todayButton_),
                             static_cast<QWidget*>(monthList_)}) {
        control->setFocusPolicy(Qt::ClickFocus);
    }

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Έτος:"), this));
    row->addWidget(yearList_);
    row->addStretch();
    row->addWidget(todayButton_);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("Μήνας:"), this));
    row->addWidget(monthList_);
    return row;
}

QGridLayout* AppointmentsCalendarWindow::makeGrid() {
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int column = 0; column < kDaysInWeek; ++column) {
        grid->addWidget(weekdayHeading(column, this), 0, column);
    }
    for (int index = 0; index < kCalendarCells; ++index) {
        grid->addWidget(makeCell(cells_.at(index)), 1 + index / kDaysInWeek, index % kDaysInWeek);
    }
    return grid;
}

QWidget* AppointmentsCalendarWindow::makeCell(Cell& cell) {
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setFixedSize(kCellSize);
    cell.day = ui::boldLabel(QString(), frame);
    cell.day->setAlignment(Qt::AlignCenter);
    cell.day->setCursor(Qt::PointingHandCursor);
    cell.day->installEventFilter(this);
    cell.count = ui::redLabel(QString(), frame, true);
    cell.count->setAlignment(Qt::AlignCenter);
    QFont large = cell.count->font();
    large.setPixelSize(29);
    cell.count->setFont(large);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(cell.day);
    layout->addWidget(cell.count, 1);
    return frame;
}

int AppointmentsCalendarWindow::selectedYear() const {
    return yearList_->currentText().toInt();
}

int AppointmentsCalendarWindow::selectedMonth() const {
    return monthList_->currentIndex() + 1;
}

void AppointmentsCalendarWindow::selectToday() {
    {
        const QSignalBlocker yearBlocker(yearList_);
        const QSignalBlocker monthBlocker(monthList_);
        yearList_->setCurrentIndex(std::max(0, calendarYearIndex(today_)));
        monthList_->setCurrentIndex(today_.month() - 1);
    }
    showMonth();
}

void AppointmentsCalendarWindow::showMonth() {
    const int year = selectedYear();
    const int month = selectedMonth();
    daysInMonth_ = daysInMonth(month, isLeapYear(year));
    firstWeekday_ = firstWeekdayOfMonth(month, year);
    for (int cell = 1; cell <= kCalendarCells; ++cell) {
        dayLabel(cell)->clear();
        dayLabel(cell)->hide();
        countLabel(cell)->clear();
        countLabel(cell)->hide();
        setTextColour(dayLabel(cell), isWeekendCell(cell) ? kWeekendDigits : Qt::black);
    }
    for (int day = 1; day <= daysInMonth_; ++day) {
        const int cell = cellOfDay(firstWeekday_, day);
        dayLabel(cell)->setText(QString::number(day));
        dayLabel(cell)->show();
        countLabel(cell)->show();
    }
    if (year == today_.year() && month == today_.month()) {
        setTextColour(dayLabel(cellOfDay(firstWeekday_, today_.day())), kTodayDigits);
    }
    countAppointments();
}

void AppointmentsCalendarWindow::countAppointments() {
    const QHash<int, int> booked = monthBookedSlots(connection(), selectedMonth(), selectedYear());
    for (int day = 1; day <= daysInMonth_; ++day) {
        const int count = booked.value(day);
        countLabel(cellOfDay(firstWeekday_, day))
            ->setText(count > 0 ? QString::number(count) : QString());
    }
}

void AppointmentsCalendarWindow::openDay(int day) {
    const int month = selectedMonth();
    const int year = selectedYear();
    const QString literal = appointmentDayLiteral(day, month, year);
    createAppointmentDay(connection(), literal);
    AppointmentListWindow list(programContext(), appointmentDayText(day, month, year),
                               appointmentDayStatement(literal), this);
    ui::showModal(&list);
    countAppointments();
}

bool AppointmentsCalendarWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (const Cell& cell : cells_) {
            if (watched == cell.day && !cell.day->text().isEmpty()) {
                openDay(cell.day->text().toInt());
                return true;
            }
        }
    }
    return ui::DataWindow::eventFilter(watched, event);
}

}  // namespace organiser
