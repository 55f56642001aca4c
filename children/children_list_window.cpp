#include "children/children_list_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>

#include "children/card_print.h"
#include "children/card_print_window.h"
#include "children/child_details_window.h"
#include "children/children_list.h"
#include "db/error.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace children {

using common::ChildWindow;

namespace {

using Entry = ChildrenListWindow::Entry;

// The window of another folder behind an entry of the list.
std::optional<ChildWindow> registeredWindow(Entry entry) {
    switch (entry) {
        case Entry::Measurements:
            return ChildWindow::Measurements;
        case Entry::Absences:
            return ChildWindow::Absences;
        case Entry::History:
            return ChildWindow::EnrolmentHistory;
        case Entry::Payment:
            return ChildWindow::TuitionPayment;
        case Entry::Paid:
            return ChildWindow::PaidTuition;
        case Entry::Owed:
            return ChildWindow::OwedTuition;
        case Entry::Details:
        case Entry::Prints:
            break;
    }
    return std::nullopt;
}

QList<ui::GridColumn> gridColumns() {
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    return {
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 125, right},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 110},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 140},
        {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("Ημερομηνία γεννήσεως"), 150},
        {QStringLiteral("FYLO"), QStringLiteral("Φύλο"), 70},
        {QStringLiteral("ONOMA_PATERA"), QStringLiteral("Ονοματεπώνυμο πατέρα"), 170},
        {QStringLiteral("ONOMA_MHTERAS"), QStringLiteral("Ονοματεπώνυμο μητέρας"), 170},
        {QStringLiteral("ONOMA_KHDEMONA"), QStringLiteral("Ονοματεπώνυμο κηδεμόνα"), 170},
        {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("Διεύθυνση οικίας"), 170},
        {QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"), QStringLiteral("Τηλ.  κηδεμόνα"), 110},
        {QStringLiteral("ENERGO"), QStringLiteral("Ενεργός"), 70},
    };
}

}  // namespace

ChildrenListWindow::ChildrenListWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::DataWindow(context, parent) {
    setWindowTitle(caption());
    list_ = bindTableSearch(QStringLiteral("CHILDREN"));
    entries_.resize(8);

    auto* side = new QVBoxLayout;
    side->addWidget(makeSortFrames());
    side->addWidget(makeButtonFrame());
    side->addStretch();
    auto* exit = makeExitButton();
    side->addWidget(exit, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(makeGrid(), 1);
    layout->addLayout(side);
    makeMenu();
    enableEntries();
    // The grid scrolls sideways through its columns, so the window fits 1024 x 768.
    fixSizeAndCentre(QSize(1000, 640));

    // A select the engine refuses leaves the list empty, without a count; the window still
    // opens.
    try {
        refreshList();
    } catch (const db::Error& error) {
        ui::reportError(this, error.message());
    }
}

QString ChildrenListWindow::caption() {
    return QStringLiteral("Βασικά στοιχεία παιδιών");
}

const db::RowSet& ChildrenListWindow::rows() const {
    return list_->rows();
}

QWidget* ChildrenListWindow::makeGrid() {
    auto* panel = new QWidget(this);
    grid_ = new QTableView(panel);
    list_->attachGrid(grid_, gridColumns());
    count_ = new ui::CountLabel(QStringLiteral("παιδιά"), panel);
    ui::makeBold(count_);
    navigator_ = new ui::Navigator(ui::Navigator::moving() | ui::Navigator::Delete, panel);
    list_->attachNavigator(navigator_);
    // After every navigator button, the bound table having done its part.
    connect(navigator_, &ui::Navigator::clicked, this, &ChildrenListWindow::updateCount);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 1);
    auto* under = new QHBoxLayout;
    under->addWidget(count_);
    under->addStretch();
    under->addWidget(navigator_);
    layout->addLayout(under);
    return panel;
}

QWidget* ChildrenListWindow::makeSortFrames() {
    auto* frames = new QWidget(this);
    sortFrame_ = new QGroupBox(QStringLiteral("Ταξινόμηση με βάση"), frames);
    auto* sortLayout = new QVBoxLayout(sortFrame_);
    for (const children::SortChoice& choice : children::sortChoices()) {
        auto* radio = new QRadioButton(choice.caption, sortFrame_);
        sortLayout->addWidget(radio);
        sortChoices_.append(radio);
        connect(radio, &QRadioButton::clicked, this, &ChildrenListWindow::refreshList);
    }
    sortChoices_.first()->setChecked(true);

    directionFrame_ = new QGroupBox(QStringLiteral("Είδος ταξινόμησης"), frames);
    auto* ascending = new QRadioButton(QStringLiteral("Ascending"), directionFrame_);
    descending_ = new QRadioButton(QStringLiteral("Descending"), directionFrame_);
    ascending->setChecked(true);
    auto* directionLayout = new QVBoxLayout(directionFrame_);
    directionLayout->addWidget(ascending);
    directionLayout->addWidget(descending_);
    connect(ascending, &QRadioButton::clicked, this, &ChildrenListWindow::refreshList);
    connect(descending_, &QRadioButton::clicked, this, &ChildrenListWindow::refreshList);

    auto* layout = new QHBoxLayout(frames);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sortFrame_);
    layout->addWidget(directionFrame_, 0, Qt::AlignTop);
    return frames;
}

QWidget* ChildrenListWindow::makeButtonFrame() {
    struct Place {
        Entry entry;
        QString caption;
        int row;
        int column;
    };
    const QList<Place> places = {
        {Entry::Details, QStringLiteral("Στοιχεία του παιδιού"), 0, 0},
        {Entry::Measurements, QStringLiteral("Σωματομετρία"), 1, 0},
        {Entry::Absences, QStringLiteral("Απουσίες"), 2, 0},
        {Entry::History, QStringLiteral("Επανεγραφές / Διαγραφές"), 3, 0},
        {Entry::Payment, QStringLiteral("Πληρωμή διδάκτρων"), 0, 1},
        {Entry::Paid, QStringLiteral("Εξοφληθέντα δίδακτρα"), 1, 1},
        {Entry::Owed, QStringLiteral("Οφειλόμενα δίδακτρα"), 2, 1},
        {Entry::Prints, QStringLiteral("Εκτυπώσεις"), 3, 1},
    };
    buttonFrame_ = new QGroupBox(this);
    auto* layout = new QGridLayout(buttonFrame_);
    for (const Place& place : places) {
        auto* button = new QPushButton(place.caption, buttonFrame_);
        button->setAutoDefault(false);
        button->setMinimumWidth(button->sizeHint().width() + 12);
        layout->addWidget(button, place.row, place.column);
        connect(button, &QPushButton::clicked, this, [this, entry = place.entry] { open(entry); });
        entries_[static_cast<int>(place.entry)].button = button;
    }
    return buttonFrame_;
}

void ChildrenListWindow::makeMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    options_ = bar->addMenu(QStringLiteral("&Επιλογές"));
    auto add = [this](QMenu* menu, Entry entry, const QString& caption) {
        QAction* action = menu->addAction(caption);
        connect(action, &QAction::triggered, this, [this, entry] { open(entry); });
        entries_[static_cast<int>(entry)].action = action;
    };
    add(options_, Entry::Details, QStringLiteral("Στοιχεία του &παιδιού"));
    add(options_, Entry::Measurements, QStringLiteral("&Σωματομετρία"));
    add(options_, Entry::Absences, QStringLiteral("Απουσίε&ς"));
    QMenu* tuition = options_->addMenu(QStringLiteral("Δί&δακτρα"));
    add(tuition, Entry::Payment, QStringLiteral("Π&ληρωμή διδάκτρων"));
    add(tuition, Entry::Paid, QStringLiteral("Εξοφλη&θέντα δίδακτρα"));
    add(tuition, Entry::Owed, QStringLiteral("Ο&φειλόμενα δίδακτρα"));
    add(options_, Entry::History, QStringLiteral("&Επανεγγραφές / Διαγραφές"));
    add(options_, Entry::Prints, QStringLiteral("Ε&κτυπώσεις"));
}

// An entry whose window is not tied in stays disabled; the payment also while the receipt
// numbering has not been set.
void ChildrenListWindow::enableEntries() {
    for (int i = 0; i < entries_.size(); ++i) {
        const auto entry = static_cast<Entry>(i);
        const std::optional<ChildWindow> window = registeredWindow(entry);
        bool enabled = !window || static_cast<bool>(common::childOpener(*window));
        if (entry == Entry::Payment && !programContext().receiptNumberingSet) {
            enabled = false;
        }
        entries_[i].button->setEnabled(enabled);
        entries_[i].action->setEnabled(enabled);
    }
}

QPushButton* ChildrenListWindow::button(Entry entry) const {
    return entries_.at(static_cast<int>(entry)).button;
}

QAction* ChildrenListWindow::menuEntry(Entry entry) const {
    return entries_.at(static_cast<int>(entry)).action;
}

QString ChildrenListWindow::sortColumn() const {
    for (int i = 0; i < sortChoices_.size(); ++i) {
        if (sortChoices_.at(i)->isChecked()) {
            return children::sortChoices().at(i).column;
        }
    }
    return children::sortChoices().first().column;
}

void ChildrenListWindow::refreshList() {
    const std::optional<QString> statement =
        children::listStatement(children::listRequest(), sortColumn(),
                                descending_->isChecked() ? children::SortDirection::Descending
                                                         : children::SortDirection::Ascending);
    listText_ = statement.value_or(QString());
    children::cardPrintWindow(programContext()).setListSelect(listText_);
    if (!statement) {
        return;  // a search that was refused: the list stays empty, without a count
    }
    list_->setStatement(*statement);
    updateCount();
}

// Once the list has been empty, the menu and the frames stay hidden for the window's life:
// nothing shows them again.
void ChildrenListWindow::updateCount() {
    const int count = rows().rowCount();
    count_->setCount(count);
    if (count == 0) {
        options_->menuAction()->setVisible(false);
        buttonFrame_->hide();
        sortFrame_->hide();
        directionFrame_->hide();
    }
}

void ChildrenListWindow::reconnectAndRefresh() {
    connection().close();
    connection().open();
    refreshList();
}

bool ChildrenListWindow::hasCurrentChild() const {
    return rows().position() >= 0;
}

void ChildrenListWindow::open(Entry entry) {
    if (entry == Entry::Prints) {
        openPrints();
    } else if (!hasCurrentChild()) {
        return;
    } else if (entry == Entry::Details) {
        openDetails();
    } else if (const std::optional<ChildWindow> window = registeredWindow(entry)) {
        openRegistered(*window);
    }
}

void ChildrenListWindow::openDetails() {
    ChildDetailsWindow details(programContext(), children::currentChild(rows()).registryNumber,
                               this);
    ui::showModal(&details);
    reconnectAndRefresh();
}

void ChildrenListWindow::openPrints() {
    CardPrintWindow& prints = children::cardPrintWindow(programContext());
    prints.setMode(children::CardPrintMode::all());
    ui::showModal(&prints);
}

void ChildrenListWindow::openRegistered(ChildWindow window) {
    const common::ChildOpener opener = common::childOpener(window);
    if (!opener) {
        return;
    }
    opener(programContext(), this, children::currentChild(rows()));
    if (common::refreshesListAfterwards(window)) {
        reconnectAndRefresh();
    }
}

}  // namespace children
