#include "children/child_find_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "children/children_list_window.h"
#include "children/list_request.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace children {

namespace {

// A page with its label, its field and its own find button, enabled while the field holds
// text that may enter a statement.
QWidget* findPage(const QString& labelText, QLineEdit*& field, QPushButton*& button,
                  QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(labelText, page));
    field = new QLineEdit(page);
    layout->addWidget(field);
    layout->addWidget(ui::forbiddenCharacterNote(field, page));
    button = new QPushButton(QStringLiteral("Εύ&ρεση"), page);
    button->setEnabled(false);
    layout->addWidget(button, 0, Qt::AlignLeft);
    layout->addStretch();
    QPushButton* enabled = button;
    QObject::connect(field, &QLineEdit::textChanged, button, [enabled](const QString& text) {
        enabled->setEnabled(children::findTextAccepted(text));
    });
    return page;
}

}  // namespace

ChildFindWindow::ChildFindWindow(const common::ProgramContext& context, QWidget* parent)
    : ui::Window(parent), context_(context) {
    setWindowTitle(caption());
    pages_ = new QTabWidget(this);
    pages_->addTab(makeSurnamePage(), QStringLiteral("Εύρεση με βάση το επώνυμο"));
    pages_->addTab(makeNumberPage(), QStringLiteral("Εύρεση με βάση τον αριθμό μητρώου"));

    everyChild_ = new QPushButton(QStringLiteral("Όλα τα &παιδιά"), this);
    everyChild_->setAutoDefault(false);
    connect(everyChild_, &QPushButton::clicked, this,
            [this] { searchFor(children::everyoneCondition()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(everyChild_);
    buttons->addStretch();
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(makeStatusFrame());
    layout->addLayout(buttons);
    fixSizeAndCentre(QSize(520, 330));
}

QString ChildFindWindow::caption() {
    return QStringLiteral("Εύρεση παιδιού");
}

QWidget* ChildFindWindow::makeSurnamePage() {
    QWidget* page =
        findPage(QStringLiteral("Δώσε τα αρχικά του επωνύμου"), surnameField_, surnameFind_, this);
    setMainAction(surnameFind_);
    connect(surnameFind_, &QPushButton::clicked, this,
            [this] { searchFor(children::surnameCondition(surnameField_->text())); });
    return page;
}

QWidget* ChildFindWindow::makeNumberPage() {
    QWidget* page =
        findPage(QStringLiteral("Δώσε τoν αριθμό μητρώου"), numberField_, numberFind_, this);
    numberFind_->setAutoDefault(false);
    connect(numberFind_, &QPushButton::clicked, this, &ChildFindWindow::findByRegistryNumber);
    return page;
}

QWidget* ChildFindWindow::makeStatusFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Ψάξε σε"), this);
    active_ = new QRadioButton(QStringLiteral("Ενεργούς"), frame);
    deleted_ = new QRadioButton(QStringLiteral("Διαγραφέντες"), frame);
    all_ = new QRadioButton(QStringLiteral("Όλους"), frame);
    active_->setChecked(true);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(active_);
    layout->addWidget(deleted_);
    layout->addWidget(all_);
    return frame;
}

// Only a whole number is searched for; for any other text the staff are told so and the list
// opens empty.
void ChildFindWindow::findByRegistryNumber() {
    const std::optional<QString> condition =
        children::registryNumberCondition(numberField_->text());
    if (!condition) {
        ui::reportError(this, children::registryNumberRefusal());
    }
    searchFor(condition);
}

void ChildFindWindow::searchFor(const std::optional<QString>& condition) {
    children::ListRequest& request = children::listRequest();
    request.condition = condition;
    request.status = active_->isChecked()    ? children::StatusFilter::Active
                     : deleted_->isChecked() ? children::StatusFilter::Deleted
                                             : children::StatusFilter::All;
    ChildrenListWindow list(context_, this);
    ui::showModal(&list);
}

}  // namespace children
