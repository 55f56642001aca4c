#include "ui/date_pick_button.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QMenu>
#include <QWidgetAction>

namespace ui {

DatePickButton::DatePickButton(QWidget* parent)
    : QToolButton(parent), calendar_(new QCalendarWidget(this)) {
    setArrowType(Qt::DownArrow);
    setPopupMode(QToolButton::InstantPopup);
    calendar_->setGridVisible(true);
    calendar_->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    auto* menu = new QMenu(this);
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(calendar_);
    menu->addAction(action);
    setMenu(menu);
    connect(calendar_, &QCalendarWidget::clicked, this, &DatePickButton::pick);
    connect(calendar_, &QCalendarWidget::activated, this, &DatePickButton::pick);
}

void DatePickButton::setDate(const QDate& date) {
    calendar_->setSelectedDate(date);
    date_ = calendar_->selectedDate();  // kept within the range
}

void DatePickButton::setDateRange(const QDate& minimum, const QDate& maximum) {
    calendar_->setDateRange(minimum, maximum);
    date_ = calendar_->selectedDate();
}

void DatePickButton::pick(const QDate& date) {
    menu()->hide();
    setDate(date);
    emit datePicked(date_);
}

}  // namespace ui
