#include "expenses/expenses_entry_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "expenses/expense_analysis.h"
#include "ui/labels.h"

namespace expenses {

namespace {

struct EntryField {
    QString column;
    QString label;
    QString note;  // red, right of the field
    int width;
};

QList<EntryField> entryFields() {
    return {
        {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία:"), QStringLiteral("*"), 110},
        {QStringLiteral("POSO"), QStringLiteral("Ποσό:"), QStringLiteral("EUR *"), 110},
        {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α:"), QStringLiteral("EUR *"), 110},
        {QStringLiteral("PERIGRAFH"), QStringLiteral("Περιγραφή:"), QStringLiteral("*"), 480},
    };
}

QList<ui::GridColumn> gridColumns() {
    return {
        {QStringLiteral("PERIGRAFH"), QStringLiteral("Περιγραφή"), 330},
        {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 95, ui::kCentred},
        {QStringLiteral("POSO"), QStringLiteral("Ποσό (EUR)"), 95, ui::kRight},
        {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α (EUR)"), 95, ui::kRight},
    };
}

}  // namespace

ExpensesEntryWindow::ExpensesEntryWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent),
      rows_(bindTable(expenses::expensesTable(), expenses::expensesOrder())),
      grid_(new QTableView(this)),
      navigator_(new ui::Navigator(ui::Navigator::moving() | ui::Navigator::Insert |
                                       ui::Navigator::Delete | ui::Navigator::Post,
                                   this)) {
    setWindowTitle(QStringLiteral("Λειτουργικά έξοδα - Επεξεργασία"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeFields());
    QPushButton* exit = makeExitButton();
    layout->addWidget(exit, 0, Qt::AlignRight);
    layout->addWidget(navigator_);
    layout->addWidget(grid_);

    rows_->attachGrid(grid_, gridColumns());
    rows_->attachNavigator(navigator_);
    grid_->setMinimumSize(650, 300);
    QWidget::setTabOrder(fields_.last(), exit);
    QWidget::setTabOrder(exit, navigator_);
    QWidget::setTabOrder(navigator_, grid_);
    fixSizeAndCentre();
}

// Each field right of its label, with its red note; the refusals name a field by its label.
QLayout* ExpensesEntryWindow::makeFields() {
    auto* grid = new QGridLayout;
    int row = 0;
    for (const EntryField& description : entryFields()) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(description.column);
        edit->setFixedWidth(description.width);
        rows_->bind(edit, description.column);
        rows_->setCaption(description.column, QString(description.label).remove(u':'));
        fields_.append(edit);
        auto* fieldAndNote = new QHBoxLayout;
        fieldAndNote->addWidget(edit);
        fieldAndNote->addWidget(ui::redLabel(description.note, this, true));
        fieldAndNote->addStretch();
        grid->addWidget(new QLabel(description.label, this), row, 0);
        grid->addLayout(fieldAndNote, row, 1);
        ++row;
    }
    return grid;
}

QLineEdit* ExpensesEntryWindow::field(const QString& column) const {
    for (QLineEdit* edit : fields_) {
        if (edit->objectName() == column) {
            return edit;
        }
    }
    return nullptr;
}

// The rows were read in the list's order when the window was made or shown again.
void ExpensesEntryWindow::formShow() {
    rows_->first();
}

}  // namespace expenses
