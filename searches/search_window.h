#pragma once

#include <QList>
#include <optional>
#include <utility>

#include "searches/parametrised_searches.h"
#include "ui/data_window.h"

class QPushButton;

namespace searches {
class SearchResultsWindow;

// What the windows that ask for values before they search have in common: a connection of
// their own, the search results window they hand the search to (the program's long-lived one
// unless a test gives its own), and the one way every search runs. The window stays open under
// the results, so the staff can change the values and search again.
class SearchWindow : public ui::DataWindow {
    Q_OBJECT
protected:
    SearchWindow(const common::ProgramContext& context, SearchResultsWindow* results,
                 QWidget* parent);

    // Writes the title line, hands the statement to the results window and shows it. A failure
    // reaches the general error report.
    void runSearch(const SearchRequest& request);

    // The same as one guarded block, for criteria the staff type: criteria that failed their
    // check (no request), a statement the engine refuses, or a failure of the results window
    // while it runs the search all end with "Λανθασμένα κριτήρια."; when the check failed,
    // nothing was written.
    void runCheckedSearch(const std::optional<SearchRequest>& request);

    // The search button: Enter presses it.
    QPushButton* makeSearchButton(const QString& caption);

    // Inputs one under the other, each with its label on its left and the red mark of a value
    // the search needs on its right.
    QWidget* makeRequiredInputs(const QList<std::pair<QString, QWidget*>>& labelledInputs);

    // The usual arrangement: the inputs above, the search and exit buttons below; fixed size,
    // centred.
    void arrange(QWidget* inputs, QPushButton* searchButton);

private:
    SearchResultsWindow& results();

    SearchResultsWindow* results_;
};

}  // namespace searches
