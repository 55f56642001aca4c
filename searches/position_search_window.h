#pragma once

#include "searches/search_window.h"

class QLineEdit;

namespace searches {

// Children at a typed position among their brothers and sisters.
class PositionSearchWindow : public searches::SearchWindow {
    Q_OBJECT
public:
    explicit PositionSearchWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : PositionSearchWindow(context, nullptr, parent) {}
    PositionSearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                         QWidget* parent = nullptr);

    QLineEdit* positionField() const { return position_; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    QWidget* makeInputs();
    void search();

    QLineEdit* position_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

}  // namespace searches
