#pragma once

#include "ui/data_window.h"

class QLabel;
class QPushButton;
class QSlider;
class QTableView;

namespace ui {
class CountLabel;
}

namespace children {

// "Γενέθλια παιδιών": the active children whose birthday falls on the day and month set with
// two sliders; opens on today.
class BirthdaysWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit BirthdaysWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    QSlider* monthSlider() const { return month_; }
    QSlider* daySlider() const { return day_; }
    QLabel* monthNameLabel() const { return monthName_; }
    QLabel* dayLabel() const { return dayNumber_; }
    QPushButton* todayButton() const { return today_; }
    ui::BoundTable* rows() const { return rows_; }
    QTableView* grid() const { return grid_; }
    ui::CountLabel* countLabel() const { return count_; }

private:
    QLayout* makeSliders();
    void setToday();
    void refresh();

    ui::BoundTable* rows_;
    QSlider* month_;
    QSlider* day_;
    QLabel* monthName_;
    QLabel* monthNumber_;
    QLabel* dayNumber_;
    QPushButton* today_;
    QTableView* grid_;
    ui::CountLabel* count_;
};

}  // namespace children
