#pragma once

#include "ui/data_window.h"

class QComboBox;
class QPushButton;

namespace children {

// "Διαγραφή παιδιών από τη βάση δεδομένων": removes the cards of every child born in the year
// chosen, after a Yes/No question; stays open for another year.
class BirthYearDeletionWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit BirthYearDeletionWindow(const common::ProgramContext& context,
                                     QWidget* parent = nullptr);

    static QString caption();
    static QString question();

    QComboBox* yearList() const { return years_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    void deleteYear();

    QComboBox* years_;
    QPushButton* delete_;
};

}  // namespace children
