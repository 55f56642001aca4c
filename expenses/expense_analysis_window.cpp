#include "expenses/expense_analysis_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/forbidden_characters.h"
#include "db/error.h"
#include "expenses/report_expenses.h"
#include "searches/parametrised_searches.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"
#include "ui/row_source.h"

namespace expenses {

ExpenseAnalysisWindow::ExpenseAnalysisWindow(const common::ProgramContext& context,
                                             const Analysis& analysis, QWidget* parent)
    : ui::DataWindow(context, parent),
      build_(analysis.build),
      report_(analysis.report),
      list_(bindQuery()) {
    setWindowTitle(analysis.caption);
    grid_ = new QTableView(this);
    list_->attachGrid(grid_, analysis.columns);
    int width = 0;
    for (const ui::GridColumn& column : analysis.columns) {
        width += column.width;
    }
    grid_->setMinimumSize(width + 40, 280);
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), this);
    list_->attachNavigator(navigator);

    searchButton_ = new QPushButton(analysis.searchCaption, this);
    setMainAction(searchButton_);
    printButton_ = new QPushButton(QStringLiteral("Εκτύ&πωση"), this);
    printButton_->setAutoDefault(false);
    printButton_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addLayout(makeInputs(analysis));
    top->addStretch();
    top->addWidget(searchButton_, 0, Qt::AlignBottom);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(makeTotals());
    bottom->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(navigator);
    buttons->addStretch();
    auto* actions = new QHBoxLayout;
    actions->addWidget(printButton_);
    actions->addWidget(makeExitButton());
    buttons->addLayout(actions);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);
    layout->addLayout(bottom);

    connect(from_, &QLineEdit::textChanged, this, &ExpenseAnalysisWindow::fieldChanged);
    connect(to_, &QLineEdit::textChanged, this, &ExpenseAnalysisWindow::fieldChanged);
    connect(searchButton_, &QPushButton::clicked, this, &ExpenseAnalysisWindow::search);
    connect(printButton_, &QPushButton::clicked, this, &ExpenseAnalysisWindow::print);
    fixSizeAndCentre();
}

QLayout* ExpenseAnalysisWindow::makeInputs(const Analysis& analysis) {
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    from_->setToolTip(analysis.fromHint);
    to_->setToolTip(analysis.toHint);
    auto* inputs = new QGridLayout;
    const std::pair<QString, QLineEdit*> rows[] = {{analysis.fromLabel, from_},
                                                   {analysis.toLabel, to_}};
    int row = 0;
    for (const auto& [label, field] : rows) {
        field->setFixedWidth(110);
        inputs->addWidget(new QLabel(label, this), row, 0);
        inputs->addWidget(field, row, 1);
        inputs->addWidget(ui::requiredMark(this), row, 2);
        ++row;
    }
    return inputs;
}

QLayout* ExpenseAnalysisWindow::makeTotals() {
    auto* totals = new QGridLayout;
    totals->addWidget(ui::boldLabel(QStringLiteral("Ολικά ποσά"), this), 0, 0, 1, 2);
    const QString labels[] = {QStringLiteral("Αξία (EUR):"), QStringLiteral("Φ.Π.Α (EUR):"),
                              QStringLiteral("Αξία + Φ.Π.Α (EUR):")};
    int row = 1;
    for (const QString& label : labels) {
        auto* value = new QLineEdit(this);
        value->setReadOnly(true);
        value->setFocusPolicy(Qt::NoFocus);
        value->setFixedWidth(110);
        value->setAlignment(Qt::AlignRight);
        totals_.append(value);
        totals->addWidget(new QLabel(label, this), row, 0);
        totals->addWidget(value, row, 1);
        ++row;
    }
    return totals;
}

QStringList ExpenseAnalysisWindow::totalsShown() const {
    QStringList texts;
    for (const QLineEdit* value : totals_) {
        texts.append(value->text());
    }
    return texts;
}

void ExpenseAnalysisWindow::fieldChanged() {
    searchButton_->setEnabled(common::passesForbiddenCharacterTest(from_->text().trimmed()) &&
                              common::passesForbiddenCharacterTest(to_->text().trimmed()));
}

void ExpenseAnalysisWindow::search() {
    connection().close();
    connection().open();
    const std::optional<ExpenseAnalysis> analysis = build_(from_->text(), to_->text());
    if (!analysis) {
        refuseCriteria();
        return;
    }
    try {
        list_->setStatement(analysis->listStatement);
        const ExpenseTotals totals = expenses::readTotals(connection(), *analysis);
        totals_.at(0)->setText(totals.value);
        totals_.at(1)->setText(totals.vat);
        totals_.at(2)->setText(totals.valueWithVat);
    } catch (const db::Error&) {
        refuseCriteria();
        return;
    }
    lastSearch_ = analysis;
    printButton_->setEnabled(true);
}

void ExpenseAnalysisWindow::refuseCriteria() {
    clearResult();
    ui::warn(this, searches::wrongCriteriaMessage());
}

// Nothing found and nothing to print: an empty list, empty totals, printing disabled.
void ExpenseAnalysisWindow::clearResult() {
    lastSearch_.reset();
    printButton_->setEnabled(false);
    list_->source().setStatement(QString());
    static_cast<ui::QuerySource&>(list_->source()).query().close();
    list_->reload();
    for (QLineEdit* value : totals_) {
        value->clear();
    }
}

// Prints the last search, whatever was typed since. Failures reach the general error report.
void ExpenseAnalysisWindow::print() {
    if (lastSearch_) {
        expenses::printAnalysis(connection(), programContext().programDirectory, report_,
                                *lastSearch_);
    }
}

void ExpenseAnalysisWindow::done(int result) {
    clearResult();
    from_->clear();
    to_->clear();
    ui::DataWindow::done(result);
}

}  // namespace expenses
