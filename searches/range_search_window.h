#pragma once

#include "searches/search_window.h"

class QLineEdit;

namespace searches {

// A search over a range typed as "Από:" and "Μέχρι:" (birth dates, siblings, bedrooms). The
// search is allowed while both texts pass the forbidden-character test; what they hold is
// checked when the search runs.
class RangeSearchWindow : public SearchWindow {
    Q_OBJECT
public:
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QPushButton* searchButton() const { return searchButton_; }

protected:
    using Builder = std::optional<SearchRequest> (*)(const QString& from, const QString& to);

    // What tells one range search from another; members left out keep their defaults.
    struct Range {
        QString caption;
        QString searchCaption;  // the search button's text
        Builder build;
        int fieldWidth = 0;  // 0: the fields take the width there is
        QString fromHint{};  // shown when the pointer rests on a field
        QString toHint{};
    };

    RangeSearchWindow(const common::ProgramContext& context, const Range& range,
                      SearchResultsWindow* results, QWidget* parent);

private:
    QWidget* makeInputs(const Range& range);
    void fieldChanged();
    void search();

    Builder build_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

}  // namespace searches
