#pragma once

#include <QList>

#include "ui/data_window.h"

class QLabel;
class QLineEdit;
class QScrollArea;

namespace organiser {

// "Αναλυτική κατάσταση των ραντεβού": the 28 half hours of one day, 08:00 to 22:00, each a line
// of free text, saved with the navigator's one button. The day's row exists before the window
// opens; the statement given reads it.
//
// Leaving with typing that was not saved asks whether to save it: No drops it as the window
// always has, Yes saves it first.
class AppointmentListWindow : public ui::DataWindow {
    Q_OBJECT
public:
    // dayText: the day as the heading shows it, "5/3/2024".
    AppointmentListWindow(const common::ProgramContext& context, const QString& dayText,
                          const QString& dayStatement, QWidget* parent = nullptr);

    QLabel* heading() const { return heading_; }
    // The field of slot 0 (08:00 - 08:30) to 27 (21:30 - 22:00).
    QLineEdit* slotField(int slot) const { return slotFields_.at(slot); }
    ui::BoundTable* rows() const { return rows_; }
    ui::Navigator* navigator() const { return navigator_; }

    static QString unsavedQuestion();

protected:
    void done(int result) override;

private:
    QScrollArea* makeSlotArea();
    QWidget* makeCaption(const QString& text);

    ui::BoundTable* rows_;
    QLabel* heading_;
    QList<QLineEdit*> slotFields_;
    ui::Navigator* navigator_;
};

}  // namespace organiser
