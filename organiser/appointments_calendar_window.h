#pragma once

#include <QDate>
#include <array>

#include "organiser/appointment_calendar.h"
#include "ui/data_window.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;

namespace organiser {

// "Μηνιαία κατάσταση των ραντεβού": one month as a grid of days, Monday first, each day with
// the number of its booked half hours in large red digits. A click on a day opens the day's
// appointment list; when the list closes, the month is counted again.
class AppointmentsCalendarWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit AppointmentsCalendarWindow(const common::ProgramContext& context,
                                        QWidget* parent = nullptr);

    QComboBox* yearList() const { return yearList_; }
    QComboBox* monthList() const { return monthList_; }
    QPushButton* todayButton() const { return todayButton_; }
    // Cells 1 to 37, row by row.
    QLabel* dayLabel(int cell) const { return cells_.at(cell - 1).day; }
    QLabel* countLabel(int cell) const { return cells_.at(cell - 1).count; }

    // Makes sure the day of the shown month has its row, shows its appointment list and
    // counts the month again when the list closes.
    void openDay(int day);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        QLabel* day = nullptr;
        QLabel* count = nullptr;
    };

    QLayout* makeChoiceRow();
    QGridLayout* makeGrid();
    QWidget* makeCell(Cell& cell);
    int selectedYear() const;
    int selectedMonth() const;
    void selectToday();
    void showMonth();
    void countAppointments();

    // Captured once when the window is made; "Σήμερα" returns to it.
    const QDate today_;
    QComboBox* yearList_;
    QComboBox* monthList_;
    QPushButton* todayButton_;
    std::array<Cell, kCalendarCells> cells_;
    int firstWeekday_ = 1;
    int daysInMonth_ = 0;
};

}  // namespace organiser
