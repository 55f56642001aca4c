#pragma once

#include "searches/search_window.h"

class QComboBox;

namespace searches {

// Children who arrive and leave at two chosen hours. The search is allowed once both hours are
// chosen (the lists cannot be emptied again).
class ArrivalDepartureSearchWindow : public searches::SearchWindow {
    Q_OBJECT
public:
    explicit ArrivalDepartureSearchWindow(const common::ProgramContext& context,
                                          QWidget* parent = nullptr)
        : ArrivalDepartureSearchWindow(context, nullptr, parent) {}
    ArrivalDepartureSearchWindow(const common::ProgramContext& context,
                                 SearchResultsWindow* results, QWidget* parent = nullptr);

    QComboBox* arrivalList() const { return arrival_; }
    QComboBox* departureList() const { return departure_; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    QWidget* makeInputs();
    void hourChosen();
    void search();

    QComboBox* arrival_ = nullptr;
    QComboBox* departure_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

}  // namespace searches
