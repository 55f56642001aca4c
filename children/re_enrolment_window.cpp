#include "children/re_enrolment_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "children/enrolment_history.h"
#include "common/forbidden_characters.h"
#include "db/error.h"
#include "ui/labels.h"
#include "ui/modal.h"

namespace children {

ReEnrolmentWindow::ReEnrolmentWindow(const common::ProgramContext& context,
                                     const QString& registryNumber, QWidget* parent)
    : ui::DataWindow(context, parent),
      registryNumber_(registryNumber),
      date_(new QLineEdit(this)),
      store_(new QPushButton(QStringLiteral("&Καταχώρηση"), this)) {
    setWindowTitle(caption());
    setMainAction(store_);
    date_->setFixedWidth(110);
    connect(date_, &QLineEdit::textChanged, this, [this](const QString& text) {
        store_->setEnabled(common::passesForbiddenCharacterTest(text.trimmed()));
    });
    connect(store_, &QPushButton::clicked, this, &ReEnrolmentWindow::store);

    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(QStringLiteral("Ημερομηνία:"), this));
    field->addWidget(date_);
    field->addWidget(ui::redLabel(QStringLiteral("* (π.χ 28/12/2007)"), this));
    field->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(store_);
    buttons->addWidget(makeExitButton());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    fixSizeAndCentre(QSize(400, 110));
}

QString ReEnrolmentWindow::caption() {
    return QStringLiteral("Επανεγραφή");
}

QString ReEnrolmentWindow::failureMessage() {
    return QStringLiteral("Η καταχώρηση δεν έγινε.");
}

void ReEnrolmentWindow::store() {
    try {
        reEnrol(connection(), registryNumber_, date_->text());
    } catch (const db::Error&) {
        ui::warn(this, failureMessage());
        return;
    }
    accept();
}

}  // namespace children
