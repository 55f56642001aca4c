#pragma once

#include "reports/search_window.h"

class QLineEdit;

// Children born between two typed dates, whether still enrolled or not.
class TForm29 : public reports::SearchWindow {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr) : TForm29(nullptr, parent) {}
    explicit TForm29(TForm27* results, QWidget* parent = nullptr);

    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QPushButton* searchButton() const { return searchButton_; }

private:
    QWidget* makeInputs();
    void fieldChanged();
    void search();

    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};
