#pragma once

#include "searches/search_window.h"

class QComboBox;

// Children who arrive and leave at two chosen hours. The search is allowed once both hours are
// chosen (the lists cannot be emptied again).
class TForm50 : public searches::SearchWindow {
    Q_OBJECT
public:
    explicit TForm50(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm50(context, nullptr, parent) {}
    TForm50(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);

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
