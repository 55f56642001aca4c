#pragma once

#include "searches/search_window.h"

class QLineEdit;

// Children at a typed position among their brothers and sisters.
class TForm33 : public searches::SearchWindow {
    Q_OBJECT
public:
    explicit TForm33(const common::ProgramContext& context, QWidget* parent = nullptr)
        : TForm33(context, nullptr, parent) {}
    TForm33(const common::ProgramContext& context, TForm27* results, QWidget* parent = nullptr);

    QLineEdit* positionField() const { return position_; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    QWidget* makeInputs();
    void search();

    QLineEdit* position_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};
