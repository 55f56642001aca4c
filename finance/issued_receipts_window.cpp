#include "finance/issued_receipts_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "finance/statement_text.h"
#include "finance/tuition_ledger.h"
#include "finance/tuition_receipt.h"
#include "ui/count_label.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace finance {

namespace {

QList<ui::GridColumn> receiptColumns() {
    return {
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 115, ui::kCentred},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 100, ui::kLeft},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 120, ui::kLeft},
        {QStringLiteral("ARITHMOS_APODEIKSHS"), QStringLiteral("Αριθμός απόδειξης"), 125,
         ui::kCentred},
        {QStringLiteral("HMEROMHNIA"), QStringLiteral("Ημερομηνία"), 85, ui::kCentred},
        {QStringLiteral("EGKYRO"), QStringLiteral("Έγκυρη ( 1 ) / Άκυρη ( 0 )"), 175, ui::kCentred},
        {QStringLiteral("MHNAS"), QStringLiteral("Μήνας"), 50, ui::kCentred},
        {QStringLiteral("ETOS"), QStringLiteral("Έτος"), 50, ui::kCentred},
        {QStringLiteral("POSO"), QStringLiteral("Ποσό (EUR)"), 90, ui::kRight},
        {QStringLiteral("VAT"), QStringLiteral("Φ.Π.Α (EUR)"), 90, ui::kRight},
        {QStringLiteral("POSO_KAI_VAT"), QStringLiteral("Ολικό (EUR)"), 90, ui::kRight},
        {QStringLiteral("PARALHPTHS"), QStringLiteral("Παραλήπτης"), 150, ui::kLeft},
    };
}

}  // namespace

IssuedReceiptsWindow::IssuedReceiptsWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Αποδείξεις που εκδόθηκαν"));
    list_ = bindQuery(ui::Reading::Gradual);
    vatRate_ = bindTable(finance::vatRateTable());
    buildLayout();
    list_->setStatement(finance::issuedReceiptsStatement());
    connect(list_, &ui::BoundTable::changed, this, &IssuedReceiptsWindow::applyButtonRule);
    connect(list_, &ui::BoundTable::allRowsRead, this, &IssuedReceiptsWindow::showCount);
    connect(cancelButton_, &QPushButton::clicked, this, &IssuedReceiptsWindow::cancelReceipt);
    connect(reprintButton_, &QPushButton::clicked, this, &IssuedReceiptsWindow::reprintReceipt);
    fixSizeAndCentre();
}

void IssuedReceiptsWindow::buildLayout() {
    count_ = new ui::CountLabel(QStringLiteral("αποδείξεις"), this);
    grid_ = new QTableView(this);
    // Narrower than its columns: the grid scrolls sideways, so the window fits 1024 x 768.
    grid_->setMinimumSize(980, 360);
    list_->attachGrid(grid_, receiptColumns());

    auto* sortGroup = new QGroupBox(QStringLiteral("Ταξινόμηση με βάση"), this);
    byDate_ = new QRadioButton(QStringLiteral("Ημερομηνία"), sortGroup);
    byNumber_ = new QRadioButton(QStringLiteral("Αριθμό απόδειξης"), sortGroup);
    byValidity_ = new QRadioButton(QStringLiteral("Έγκυρη"), sortGroup);
    byDate_->setChecked(true);
    auto* sortLayout = new QHBoxLayout(sortGroup);
    const std::pair<QRadioButton*, finance::ReceiptOrder> options[] = {
        {byDate_, finance::ReceiptOrder::ByDate},
        {byNumber_, finance::ReceiptOrder::ByReceiptNumber},
        {byValidity_, finance::ReceiptOrder::ByValidity},
    };
    for (const auto& [option, order] : options) {
        sortLayout->addWidget(option);
        connect(option, &QRadioButton::toggled, this,
                [this, order = order](bool checked) { sortChosen(order, checked); });
    }

    navigator_ = new ui::Navigator(ui::Navigator::moving(), this);
    list_->attachNavigator(navigator_);
    cancelButton_ = new QPushButton(QStringLiteral("Α&κύρωση απόδειξης"), this);
    reprintButton_ = new QPushButton(QStringLiteral("Εκτύ&πωση απόδειξης"), this);
    cancelButton_->setEnabled(false);
    reprintButton_->setEnabled(false);

    // The sort and the navigator on one row, the receipt's buttons below them on the right.
    auto* moving = new QHBoxLayout;
    moving->addWidget(sortGroup);
    moving->addWidget(navigator_);
    moving->addStretch();
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(cancelButton_);
    actions->addWidget(reprintButton_);
    actions->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(grid_);
    layout->addLayout(moving);
    layout->addLayout(actions);
}

QRadioButton* IssuedReceiptsWindow::sortOption(finance::ReceiptOrder order) const {
    switch (order) {
        case finance::ReceiptOrder::ByReceiptNumber:
            return byNumber_;
        case finance::ReceiptOrder::ByValidity:
            return byValidity_;
        case finance::ReceiptOrder::ByDate:
            break;
    }
    return byDate_;
}

// The statement reads the receipts in date order, the list's order on opening: sorting tens of
// thousands of rows again by date would change nothing.
void IssuedReceiptsWindow::formShow() {
    showCount();
    const bool hasRows = !list_->rows().isEmpty();
    cancelButton_->setEnabled(hasRows);
    reprintButton_->setEnabled(hasRows);
    applyButtonRule();
}

// The count is shown once the rows are read whole; until then the label keeps what it showed.
void IssuedReceiptsWindow::showCount() {
    if (!list_->isReading()) {
        count_->setCount(list_->rows().rowCount());
    }
}

void IssuedReceiptsWindow::sortChosen(finance::ReceiptOrder order, bool checked) {
    if (checked) {
        list_->sortBy(finance::receiptOrderBy(order));  // the list's change applies the rule
    }
}

// Follows the current row: the grid, the navigator, a sort and a cancellation all move it.
void IssuedReceiptsWindow::applyButtonRule() {
    const db::RowSet& rows = list_->rows();
    if (rows.position() < 0) {
        return;
    }
    const finance::ReceiptActions actions = finance::receiptActions(
        rows.value(QStringLiteral("EGKYRO")).toInt(), rows.text(QStringLiteral("POSOCY")),
        rows.text(QStringLiteral("VAT")), finance::currentVatRate(vatRate_->rows()));
    cancelButton_->setEnabled(actions.cancel);
    reprintButton_->setEnabled(actions.reprint);
}

int IssuedReceiptsWindow::currentReceiptNumber() const {
    return finance::receiptNumberFromText(
        list_->rows().text(QStringLiteral("ARITHMOS_APODEIKSHS")));
}

void IssuedReceiptsWindow::cancelReceipt() {
    const int receiptNumber = currentReceiptNumber();
    if (!ui::askYesNo(this, finance::cancelQuestion(receiptNumber))) {
        return;
    }
    list_->stopReading();  // no read left open on the connection while it writes
    finance::cancelReceipt(connection(), receiptNumber);
    connection().close();
    connection().open();
    vatRate_->reload();
    list_->reload();  // back in date order, the first row current; the rule follows
}

void IssuedReceiptsWindow::reprintReceipt() {
    finance::installedReceiptPrinter().printReceipt(currentReceiptNumber());
}

}  // namespace finance
