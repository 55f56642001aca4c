#pragma once

#include <optional>

#include "expenses/expense_analysis.h"
#include "ui/data_window.h"
#include "ui/rowset_model.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace expenses {

// What the two analyses of the expenses share: two typed limits, the search allowed while both
// pass the forbidden-character test, the list with its navigator and totals, and the print of
// the last search. A limit that fails its check, or a statement the engine refuses, ends with
// "Λανθασμένα κριτήρια." and printing disabled. Closing clears the window.
class ExpenseAnalysisWindow : public ui::DataWindow {
    Q_OBJECT
public:
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QPushButton* searchButton() const { return searchButton_; }
    QPushButton* printButton() const { return printButton_; }
    QTableView* grid() const { return grid_; }
    ui::BoundTable* list() const { return list_; }
    // The totals as shown: value, VAT, value plus VAT.
    QStringList totalsShown() const;

protected:
    using Builder = std::optional<ExpenseAnalysis> (*)(const QString& from, const QString& to);

    // What tells one analysis from the other.
    struct Analysis {
        QString caption;
        QString fromLabel;
        QString toLabel;
        QString fromHint;
        QString toHint;
        QString searchCaption;
        QList<ui::GridColumn> columns;
        Builder build;
        ExpenseReport report;
    };

    ExpenseAnalysisWindow(const common::ProgramContext& context, const Analysis& analysis,
                          QWidget* parent);

    void done(int result) override;

private:
    QLayout* makeInputs(const Analysis& analysis);
    QLayout* makeTotals();
    void fieldChanged();
    void search();
    void refuseCriteria();
    void clearResult();
    void print();

    Builder build_;
    ExpenseReport report_;
    std::optional<ExpenseAnalysis> lastSearch_;
    ui::BoundTable* list_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QTableView* grid_ = nullptr;
    QList<QLineEdit*> totals_;
};

}  // namespace expenses
