#pragma once

#include "ui/window.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ui {
class DatePickButton;
}

namespace organiser {

// "Ημερολογιακά": a month calendar to browse, the Orthodox Easter of a chosen year and the
// number of days between two dates. Touches no table.
class DateUtilitiesWindow : public ui::Window {
    Q_OBJECT
public:
    explicit DateUtilitiesWindow(QWidget* parent = nullptr);

    QSpinBox* yearBox() const { return year_; }
    QLabel* easterLabel() const { return easter_; }
    QLineEdit* fromBox() const { return fromBox_; }
    QLineEdit* toBox() const { return toBox_; }
    ui::DatePickButton* fromPicker() const { return fromPicker_; }
    ui::DatePickButton* toPicker() const { return toPicker_; }
    QLabel* dayCountLabel() const { return dayCount_; }

private:
    QLayout* makeEasterRow();
    QLayout* makeDateRow(const QString& caption, QLineEdit* box, ui::DatePickButton* picker);
    void showEaster();
    void showDates();

    QCalendarWidget* calendar_;
    QSpinBox* year_;
    QLabel* easter_;
    QLineEdit* fromBox_;
    QLineEdit* toBox_;
    ui::DatePickButton* fromPicker_;
    ui::DatePickButton* toPicker_;
    QLabel* dayCount_;
};

}  // namespace organiser
