#include "finance/general_receipts_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "finance/general_receipt.h"
#include "finance/general_receipts.h"
#include "finance/issued_receipts.h"
#include "finance/statement_text.h"
#include "ui/count_label.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace finance {

namespace {

QList<ui::GridColumn> receiptColumns() {
    return {
        {QStringLiteral("AR_APODEIKSHS"), QStringLiteral("Αριθμός Απόδειξης"), 120, ui::kCentred},
        {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 82, ui::kCentred},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 95, ui::kLeft},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 110, ui::kLeft},
        {QStringLiteral("PARALHPTHS"), QStringLiteral("Παραλήπτης"), 115, ui::kLeft},
        {QStringLiteral("PERIGRAFH"), QStringLiteral("Περιγραφή"), 140, ui::kLeft},
        {QStringLiteral("EGKYRO"), QStringLiteral("Έγκυρη"), 55, ui::kCentred},
        {QStringLiteral("POSO"), QStringLiteral("Ποσό"), 65, ui::kRight},
        {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α"), 60, ui::kRight},
        {QStringLiteral("POSO_KAI_VAT"), QStringLiteral("Ολικό"), 65, ui::kRight},
    };
}

}  // namespace

GeneralReceiptsWindow::GeneralReceiptsWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Αποδείξεις που εκδόθηκαν γενικής φύσεως"));
    list_ = bindTable(generalReceiptsTable(), generalReceiptsOrder());
    buildLayout();
    connect(list_, &ui::BoundTable::changed, this, &GeneralReceiptsWindow::applyButtonRule);
    connect(cancelButton_, &QPushButton::clicked, this, &GeneralReceiptsWindow::cancelReceipt);
    connect(reprintButton_, &QPushButton::clicked, this, &GeneralReceiptsWindow::reprintReceipt);
    fixSizeAndCentre();
}

void GeneralReceiptsWindow::buildLayout() {
    count_ = new ui::CountLabel(QStringLiteral("αποδείξεις"), this);
    auto* grid = new QTableView(this);
    grid->setMinimumSize(990, 420);
    list_->attachGrid(grid, receiptColumns());
    auto* navigator = new ui::Navigator(ui::Navigator::moving(), this);
    list_->attachNavigator(navigator);
    cancelButton_ = new QPushButton(QStringLiteral("Α&κύρωση απόδειξης"), this);
    reprintButton_ = new QPushButton(QStringLiteral("Εκτύ&πωση απόδειξης"), this);
    cancelButton_->setEnabled(false);
    reprintButton_->setEnabled(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator);
    bottom->addStretch();
    bottom->addWidget(cancelButton_);
    bottom->addWidget(reprintButton_);
    bottom->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(grid);
    layout->addLayout(bottom);
}

void GeneralReceiptsWindow::formShow() {
    refresh();
}

// Read in the list's order, the first row current; the list's change applies the button rule.
void GeneralReceiptsWindow::refresh() {
    list_->reload();
    list_->first();
    applyButtonRule();
    count_->setCount(list_->rows().rowCount());
}

void GeneralReceiptsWindow::applyButtonRule() {
    const db::RowSet& rows = list_->rows();
    if (rows.position() < 0) {
        return;
    }
    bool allowed = false;
    try {
        allowed = generalReceiptAllowsActions(rows.text(QStringLiteral("EGKYRO")));
    } catch (const db::Error&) {
        allowed = false;  // a row that cannot be read allows nothing
    }
    cancelButton_->setEnabled(allowed);
    reprintButton_->setEnabled(allowed);
}

int GeneralReceiptsWindow::currentReceiptNumber() const {
    return receiptNumberFromText(list_->rows().text(QStringLiteral("AR_APODEIKSHS")));
}

void GeneralReceiptsWindow::cancelReceipt() {
    const int receiptNumber = currentReceiptNumber();
    if (!ui::askYesNo(this, cancelQuestion(receiptNumber))) {
        return;
    }
    cancelGeneralReceipt(connection(), receiptNumber);
    refresh();
}

void GeneralReceiptsWindow::reprintReceipt() {
    installedGeneralReceiptPrinter().printGeneralReceipt(currentReceiptNumber());
}

}  // namespace finance
