#include "searches/search_results_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/child_openers.h"
#include "db/connection.h"
#include "searches/canned_searches.h"
#include "searches/report_search_list.h"
#include "searches/title_lines.h"
#include "ui/bound_table.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace searches {

namespace {

QList<ui::GridColumn> resultColumns() {
    return {
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 113, ui::kCentred},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 110, ui::kLeft},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 110, ui::kLeft},
        {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("Ημερομηνία γεννήσεως"), 150,
         ui::kCentred},
        {QStringLiteral("FYLO"), QStringLiteral("Φύλο"), 0, ui::kCentred},
        {QStringLiteral("ONOMA_PATERA"), QStringLiteral("Ονοματεπώνυμο πατέρα"), 160, ui::kLeft},
        {QStringLiteral("ONOMA_MHTERAS"), QStringLiteral("Ονοματεπώνυμο μητέρας"), 160, ui::kLeft},
        {QStringLiteral("ONOMA_KHDEMONA"), QStringLiteral("Ονοματεπώνυμο κηδεμόνα"), 167,
         ui::kLeft},
        {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("Διεύθυνση οικίας"), 227, ui::kLeft},
        {QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"), QStringLiteral("Τηλ.  κηδεμόνα"), 112,
         ui::kLeft},
    };
}

QLabel* centredBoldLine(QWidget* parent) {
    QLabel* line = ui::boldLabel(QString(), parent);
    line->setAlignment(Qt::AlignCenter);
    return line;
}

}  // namespace

SearchResultsWindow::SearchResultsWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(QStringLiteral("Έρευνα"));
    titles_ = bindTable(QStringLiteral("PERIGRAFH"));
    children_ = bindQuery();

    auto* layout = new QVBoxLayout(this);
    // Side margins that leave the fixed grid its whole width in the fixed window.
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(9, margins.top(), 9, margins.bottom());
    layout->addWidget(makeTitleLines());
    layout->addWidget(makeGrid());
    layout->addWidget(makeBottomRow());
    fixSizeAndCentre(QSize(947, 569));
}

QWidget* SearchResultsWindow::makeTitleLines() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    firstTitle_ = centredBoldLine(box);
    secondTitle_ = centredBoldLine(box);
    layout->addWidget(firstTitle_);
    layout->addWidget(secondTitle_);
    return box;
}

QWidget* SearchResultsWindow::makeGrid() {
    grid_ = new QTableView(this);
    grid_->setFixedSize(929, 409);
    grid_->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
    children_->attachGrid(grid_, resultColumns());
    QFont titleFont = grid_->horizontalHeader()->font();
    titleFont.setBold(true);
    grid_->horizontalHeader()->setFont(titleFont);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    return grid_;
}

QWidget* SearchResultsWindow::makeBottomRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* countAndNavigator = new QVBoxLayout;
    count_ = new ui::CountLabel(QStringLiteral("παιδιά"), row);
    ui::makeBold(count_);
    navigator_ = new ui::Navigator(ui::Navigator::moving(), row);
    children_->attachNavigator(navigator_);
    countAndNavigator->addWidget(count_);
    countAndNavigator->addWidget(navigator_);
    layout->addLayout(countAndNavigator);
    layout->addStretch();

    cardButton_ = new QPushButton(QStringLiteral("&Κάρτα του παιδιoύ"), row);
    printButton_ = new QPushButton(QStringLiteral("Εκτύ&πωση"), row);
    printButton_->setAutoDefault(false);
    setMainAction(cardButton_);
    connect(cardButton_, &QPushButton::clicked, this, &SearchResultsWindow::showChildCard);
    connect(printButton_, &QPushButton::clicked, this, &SearchResultsWindow::printList);
    layout->addWidget(cardButton_);
    layout->addWidget(printButton_);
    layout->addWidget(makeExitButton());
    return row;
}

void SearchResultsWindow::showSearch() {
    refresh();
    ui::showModal(this);
}

void SearchResultsWindow::refresh() {
    connection().close();
    connection().open();
    titles_->reload();
    firstTitle_->setText(titles_->rows().text(QStringLiteral("KEIMENO1")));
    secondTitle_->setText(titles_->rows().text(QStringLiteral("KEIMENO2")));

    children_->setStatement(searchText_);
    const int found = children_->rows().rowCount();
    count_->setCount(found);
    cardButton_->setEnabled(found != 0);
    printButton_->setEnabled(found != 0);
}

const db::RowSet& SearchResultsWindow::result() const {
    return children_->rows();
}

QString SearchResultsWindow::firstTitleLine() const {
    return firstTitle_->text();
}

QString SearchResultsWindow::secondTitleLine() const {
    return secondTitle_->text();
}

QString SearchResultsWindow::countText() const {
    return count_->text();
}

void SearchResultsWindow::showChildCard() {
    const db::RowSet& rows = children_->rows();
    if (rows.position() < 0) {
        return;
    }
    if (const common::ChildOpener openCard = common::childOpener(common::ChildWindow::Details)) {
        openCard(programContext(), this,
                 {rows.text(QStringLiteral("ARITHMOS_MHTRWOY")).trimmed(),
                  rows.text(QStringLiteral("ONOMA_PAIDIOY")).trimmed(),
                  rows.text(QStringLiteral("EPWNYMO_PAIDIOY")).trimmed()});
    }
    refresh();  // changes made on the card show in the list
}

void SearchResultsWindow::printList() {
    searches::printSearchList(connection(), programContext().programDirectory, searchText_);
}

void runCannedSearch(const CannedSearch& search, SearchResultsWindow& results) {
    db::Connection connection(results.programContext().connectionString);
    writeSearchTitle(connection, search.title);
    results.setSearchText(search.statement());
    results.showSearch();
}

}  // namespace searches
