#include "attendance/register_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "attendance/attendance_register.h"
#include "attendance/report_register.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace attendance {

namespace {

constexpr int kDayColumnWidth = 21;
constexpr int kLegendWidth = 110;

QList<ui::GridColumn> registerColumns() {
    QList<ui::GridColumn> columns{
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 72,
         Qt::AlignCenter},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 104, ui::kLeft},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 116, ui::kLeft},
    };
    for (int day = 1; day <= 31; ++day) {
        columns.append({QStringLiteral("M%1").arg(day), QString::number(day), kDayColumnWidth,
                        Qt::AlignCenter});
    }
    return columns;
}

QLabel* titleLine(QWidget* parent) {
    QLabel* line = ui::boldLabel(QString(), parent);
    QFont font = line->font();
    font.setUnderline(true);
    line->setFont(font);
    line->setAlignment(Qt::AlignCenter);
    return line;
}

}  // namespace

RegisterWindow::RegisterWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Παρουσιολόγιο"));
    register_ = bindTable(registerTable());
    titles_ = bindTable(QStringLiteral("PERIGRAFH"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeTop());
    layout->addWidget(makeGrid());
    layout->addWidget(makeBottomRow());
    fixSizeAndCentre();
}

QWidget* RegisterWindow::makeTop() {
    auto* top = new QWidget(this);
    auto* titles = new QVBoxLayout;
    firstTitle_ = titleLine(top);
    secondTitle_ = titleLine(top);
    titles->addWidget(firstTitle_);
    titles->addWidget(secondTitle_);

    auto* legend = new QGroupBox(top);
    legend->setFixedWidth(kLegendWidth);
    auto* legendLines = new QVBoxLayout(legend);
    legendLines->addWidget(new QLabel(QStringLiteral("Π=ΠΑΡΩΝ"), legend));
    legendLines->addWidget(new QLabel(QStringLiteral("Α=ΑΠΩΝ"), legend));

    auto* layout = new QHBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(kLegendWidth);  // keeps the title lines centred over the grid
    layout->addLayout(titles, 1);
    layout->addWidget(legend);
    return top;
}

QWidget* RegisterWindow::makeGrid() {
    grid_ = new QTableView(this);
    register_->attachGrid(grid_, registerColumns());
    // Narrower than the grids' rule (never narrower than the title) allows, so that the whole
    // month fits the screen: the long titles wrap onto two lines, a day takes a letter's width.
    QHeaderView* header = grid_->horizontalHeader();
    header->setMinimumSectionSize(kDayColumnWidth);
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setStretchLastSection(false);
    header->setFixedHeight(2 * header->fontMetrics().height() + 8);
    const QList<ui::GridColumn> columns = registerColumns();
    for (int column = 0; column < columns.size(); ++column) {
        grid_->setColumnWidth(column, columns.at(column).width);
    }
    grid_->setFixedSize(980, 520);
    return grid_;
}

QWidget* RegisterWindow::makeBottomRow() {
    auto* row = new QWidget(this);
    navigator_ = new ui::Navigator(ui::Navigator::moving(), row);
    register_->attachNavigator(navigator_);
    printButton_ = new QPushButton(QStringLiteral("Ε&κτύπωση"), row);
    setMainAction(printButton_);
    connect(printButton_, &QPushButton::clicked, this, &RegisterWindow::print);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(navigator_);
    layout->addStretch();
    layout->addWidget(printButton_);
    layout->addWidget(makeExitButton());
    return row;
}

void RegisterWindow::showRegister() {
    read();
    ui::showModal(this);
}

void RegisterWindow::read() {
    connection().close();
    connection().open();
    titles_->reload();
    register_->sortBy(registerOrder());
    firstTitle_->setText(titles_->rows().text(QStringLiteral("KEIMENO1")));
    secondTitle_->setText(titles_->rows().text(QStringLiteral("KEIMENO2")));
}

const db::RowSet& RegisterWindow::rows() const {
    return register_->rows();
}

QString RegisterWindow::firstTitleLine() const {
    return firstTitle_->text();
}

QString RegisterWindow::secondTitleLine() const {
    return secondTitle_->text();
}

// Not guarded: a missing report file reaches the general error report.
void RegisterWindow::print() {
    attendance::printRegister(connection(), programContext().programDirectory);
}

}  // namespace attendance
