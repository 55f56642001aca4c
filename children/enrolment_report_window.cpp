#include "children/enrolment_report_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/forbidden_characters.h"
#include "db/error.h"
#include "searches/parametrised_searches.h"
#include "ui/count_label.h"
#include "ui/labels.h"
#include "ui/modal.h"
#include "ui/navigator.h"

namespace children {

namespace {

QList<ui::GridColumn> gridColumns() {
    const auto centred = Qt::AlignCenter;
    return {
        {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Αριθμός μητρώου"), 110,
         Qt::AlignRight | Qt::AlignVCenter},
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("Όνομα παιδιού"), 110},
        {QStringLiteral("EPWNYMO_PAIDIOY"), QStringLiteral("Επώνυμο παιδιού"), 130},
        {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("Ημερομ. γεννήσεως"), 120, centred},
        {QStringLiteral("FYLO"), QStringLiteral("Φύλο"), 60},
        {QStringLiteral("ONOMA_PATERA"), QStringLiteral("Ονοματεπώνυμο πατέρα"), 160},
        {QStringLiteral("ONOMA_MHTERAS"), QStringLiteral("Ονοματεπώνυμο μητέρας"), 160},
        {QStringLiteral("ONOMA_KHDEMONA"), QStringLiteral("Ονοματεπώνυμο κηδεμόνα"), 160},
        {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("Διεύθυνση οικίας"), 160},
        {QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"), QStringLiteral("Τηλ. κηδεμόνα"), 100},
        {QStringLiteral("HMEROMHNIA_EGGRAFHS"), QStringLiteral("Ημερομ. εγγραφής"), 110, centred},
        {QStringLiteral("HMEROMHNIA_DIAGRAFHS"), QStringLiteral("Ημερομ. διαγραφής"), 110, centred},
        {QStringLiteral("LOGOS_DIAGRAFHS"), QStringLiteral("Λόγος διαγραφής"), 200},
    };
}

}  // namespace

EnrolmentReportWindow::EnrolmentReportWindow(const common::ProgramContext& context,
                                             EnrolmentReport report, QWidget* parent)
    : ui::DataWindow(context, parent), report_(report), rows_(bindQuery()) {
    setWindowTitle(enrolmentReportCaption(report));
    search_ = new QPushButton(QStringLiteral("Εύ&ρεση"), this);
    setMainAction(search_);
    connect(search_, &QPushButton::clicked, this, &EnrolmentReportWindow::search);

    auto* top = new QHBoxLayout;
    top->addLayout(makeDateFields());
    top->addSpacing(20);
    top->addWidget(search_, 0, Qt::AlignBottom);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeGrid(), 1);
    layout->addWidget(makeExitButton(), 0, Qt::AlignRight);
    fixSizeAndCentre(QSize(980, 560));
}

QLayout* EnrolmentReportWindow::makeDateFields() {
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    from_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/03/2007)"));
    to_->setToolTip(QStringLiteral("Η ημερομηνία δηλώνεται ΗΗ/ΜΜ/ΕΕΕΕ (π.χ 28/12/2007)"));
    auto* fields = new QGridLayout;
    int row = 0;
    for (auto [caption, field] :
         {std::pair{QStringLiteral("Από:"), from_}, std::pair{QStringLiteral("Μέχρι:"), to_}}) {
        field->setFixedWidth(110);
        connect(field, &QLineEdit::textChanged, this, &EnrolmentReportWindow::fieldChanged);
        fields->addWidget(new QLabel(caption, this), row, 0);
        fields->addWidget(field, row, 1);
        fields->addWidget(ui::requiredMark(this), row, 2);
        ++row;
    }
    return fields;
}

QWidget* EnrolmentReportWindow::makeGrid() {
    auto* panel = new QWidget(this);
    grid_ = new QTableView(panel);
    rows_->attachGrid(grid_, gridColumns());
    count_ = new ui::CountLabel(QStringLiteral("καταχωρήσεις"), panel);
    ui::makeBold(count_);
    navigator_ = new ui::Navigator(ui::Navigator::moving(), panel);
    rows_->attachNavigator(navigator_);
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

void EnrolmentReportWindow::fieldChanged() {
    search_->setEnabled(common::passesForbiddenCharacterTest(from_->text().trimmed()) &&
                        common::passesForbiddenCharacterTest(to_->text().trimmed()));
}

// A date the engine cannot read is refused with the staff's message; the grid is left empty
// and the count keeps what it said.
void EnrolmentReportWindow::search() {
    try {
        rows_->setStatement(enrolmentReportStatement(report_, from_->text(), to_->text()));
    } catch (const db::Error&) {
        rows_->setStatement(QString());
        ui::warn(this, searches::wrongCriteriaMessage());
        return;
    }
    count_->setCount(rows_->rows().rowCount());
}

}  // namespace children
