#pragma once

#include <QDate>
#include <QToolButton>

class QCalendarWidget;

namespace ui {

// A date picker of which only the drop-down button shows: a click opens a month calendar,
// and picking a day reports the date. Its date stays within the range given.
class DatePickButton : public QToolButton {
    Q_OBJECT
public:
    explicit DatePickButton(QWidget* parent = nullptr);

    QDate date() const { return date_; }
    void setDate(const QDate& date);
    void setDateRange(const QDate& minimum, const QDate& maximum);
    QCalendarWidget* calendar() const { return calendar_; }

signals:
    void datePicked(const QDate& date);

private:
    void pick(const QDate& date);

    QCalendarWidget* calendar_;
    QDate date_;
};

}  // namespace ui
