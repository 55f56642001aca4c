#include "finance/receipt_header_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "finance/tuition_receipt.h"
#include "ui/labels.h"
#include "ui/navigator.h"

namespace finance {

namespace {

// No receipt carries number 0: the preview shows the layout with the header and rate alone.
constexpr int kNoReceipt = 0;

}  // namespace

ReceiptHeaderWindow::ReceiptHeaderWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Διαμόρφωση των στοιχείων που θα εμφανίζονται στις αποδείξεις"));
    header_ = bindTable(QStringLiteral("INFORMATION"));
    buildLayout();
    connect(header_, &ui::BoundTable::changed, this,
            [this] { navigator_->setButtonEnabled(ui::Navigator::Post, header_->isEditing()); });
    connect(navigator_, &ui::Navigator::clicked, this, &ReceiptHeaderWindow::storeClicked);
    connect(previewButton_, &QPushButton::clicked, this, &ReceiptHeaderWindow::preview);
    fixSizeAndCentre();
}

QLineEdit* ReceiptHeaderWindow::addField(const QString& column) {
    auto* edit = new QLineEdit(this);
    edit->setMinimumWidth(420);
    header_->bind(edit, column);
    fields_.append({column, edit});
    return edit;
}

QLineEdit* ReceiptHeaderWindow::field(const QString& column) const {
    for (const auto& [name, edit] : fields_) {
        if (name == column) {
            return edit;
        }
    }
    return nullptr;
}

void ReceiptHeaderWindow::buildLayout() {
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& label, const QString& column) {
        if (!label.isEmpty()) {
            grid->addWidget(new QLabel(label, this), row, 0);
        }
        grid->addWidget(addField(column), row, 1);
        ++row;
    };
    addRow(QStringLiteral("Τίτλος:"), QStringLiteral("TITLE"));
    grid->addWidget(ui::requiredMark(this), 0, 2);
    addRow(QStringLiteral("Διεύθυνση:"), QStringLiteral("ADDRESS1"));
    addRow(QString(), QStringLiteral("ADDRESS2"));
    addRow(QStringLiteral("Τηλέφωνο:"), QStringLiteral("PHONE"));
    addRow(QStringLiteral("Fax:"), QStringLiteral("FAX"));
    addRow(QStringLiteral("Website:"), QStringLiteral("WEBSITE"));
    addRow(QStringLiteral("Email:"), QStringLiteral("EMAIL"));
    addRow(QStringLiteral("Α.Φ. M:"), QStringLiteral("AFT"));  // the M is a Latin capital
    addRow(QStringLiteral("ΑΡ. ΜΗΤΡ. Φ.Π.Α:"), QStringLiteral("AFPA"));
    for (int extra = 1; extra <= 7; ++extra) {
        grid->addWidget(addField(QStringLiteral("EXTRA%1").arg(extra)), row++, 0, 1, 2);
    }

    navigator_ = new ui::Navigator(ui::Navigator::Post, this);
    navigator_->setButtonEnabled(ui::Navigator::Post, false);
    previewButton_ = new QPushButton(QStringLiteral("Προε&πισκόπιση"), this);
    QPushButton* exit = makeExitButton();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(navigator_);
    buttons->addStretch();
    buttons->addWidget(previewButton_);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    QWidget* previous = fields_.first().second;
    for (const auto& [column, edit] : fields_) {
        if (edit != previous) {
            setTabOrder(previous, edit);
            previous = edit;
        }
    }
    setTabOrder(previous, navigator_);
    setTabOrder(navigator_, previewButton_);
    setTabOrder(previewButton_, exit);
}

void ReceiptHeaderWindow::storeClicked() {
    header_->post();
}

void ReceiptHeaderWindow::preview() {
    connection().close();
    connection().open();
    header_->reload();
    finance::installedReceiptPrinter().printReceipt(kNoReceipt);
}

}  // namespace finance
