#pragma once

#include "searches/search_window.h"

class QComboBox;

namespace searches {

// A search by one hour chosen from a list (arrival, departure). Nothing is chosen when the
// window opens; the search is allowed once an hour is.
class HourSearchWindow : public SearchWindow {
    Q_OBJECT
public:
    QComboBox* hourList() const { return hours_; }
    QPushButton* searchButton() const { return searchButton_; }

protected:
    using Builder = SearchRequest (*)(const QString& hour);

    HourSearchWindow(const common::ProgramContext& context, const QString& caption,
                     const QString& label, const QStringList& hours, Builder build,
                     SearchResultsWindow* results, QWidget* parent);

private:
    QWidget* makeInputs(const QString& label, const QStringList& hours);
    void search();

    Builder build_;
    QComboBox* hours_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};

// The drop-down list of hours the hour searches offer, with nothing chosen.
QComboBox* makeHourList(const QStringList& hours, QWidget* parent);

}  // namespace searches
