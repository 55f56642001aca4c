#pragma once

#include "searches/search_window.h"

class QLineEdit;
class QPushButton;

namespace attendance {

// The absence check ("Έλεγχος απουσιών"): the children absent a number of days in a period,
// listed and printed by the search results window.
class AbsenceCheckWindow : public searches::SearchWindow {
    Q_OBJECT
public:
    explicit AbsenceCheckWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : AbsenceCheckWindow(context, nullptr, parent) {}
    // With the results window a test gives (the program's long-lived one when null).
    AbsenceCheckWindow(const common::ProgramContext& context,
                       searches::SearchResultsWindow* results, QWidget* parent = nullptr);

    QLineEdit* fromDayField() const { return fromDay_; }
    QLineEdit* toDayField() const { return toDay_; }
    QLineEdit* lowestCountField() const { return lowestCount_; }
    QLineEdit* highestCountField() const { return highestCount_; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    QWidget* makeFrames();
    void fieldChanged();
    void search();

    QLineEdit* fromDay_ = nullptr;
    QLineEdit* toDay_ = nullptr;
    QLineEdit* lowestCount_ = nullptr;
    QLineEdit* highestCount_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

}  // namespace attendance
