#pragma once

#include "reports/search_window.h"

class QLineEdit;

namespace reports {

// A search over a range of whole numbers typed as "Από:" and "Μέχρι:" (siblings, bedrooms).
class RangeSearchWindow : public SearchWindow {
    Q_OBJECT
public:
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QPushButton* searchButton() const { return searchButton_; }

protected:
    using Builder = std::optional<SearchRequest> (*)(const QString& from, const QString& to);

    RangeSearchWindow(const QString& caption, Builder build, TForm27* results, QWidget* parent);

private:
    QWidget* makeInputs();
    void fieldChanged();
    void search();

    Builder build_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

}  // namespace reports
