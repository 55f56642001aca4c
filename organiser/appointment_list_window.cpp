#include "organiser/appointment_list_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "organiser/appointments.h"
#include "ui/modal.h"

namespace organiser {

namespace {

constexpr int kSlotsPerColumn = 14;

void colourText(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLineEdit* makeSlotField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setFrame(false);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    colourText(field, QPalette::Base, Qt::white);
    colourText(field, QPalette::Text, Qt::red);
    field->setMinimumWidth(230);
    return field;
}

}  // namespace

AppointmentListWindow::AppointmentListWindow(const common::ProgramContext& context,
                                             const QString& dayText, const QString& dayStatement,
                                             QWidget* parent)
    : ui::DataWindow(context, parent),
      rows_(bindTableSearch(QStringLiteral("RANTEBOU"))),
      heading_(new QLabel(dayText, this)),
      navigator_(new ui::Navigator(ui::Navigator::Post, this)) {
    setWindowTitle(QStringLiteral("Αναλυτική κατάσταση των ραντεβού"));
    QFont large = heading_->font();
    large.setPointSize(20);
    large.setBold(true);
    heading_->setFont(large);
    colourText(heading_, QPalette::WindowText, Qt::blue);

    QScrollArea* slotArea = makeSlotArea();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(navigator_);
    buttons->addStretch();
    QPushButton* exit = makeExitButton();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_, 0, Qt::AlignHCenter);
    layout->addWidget(slotArea, 1);
    layout->addLayout(buttons);

    for (int slot = 1; slot < slotFields_.size(); ++slot) {
        setTabOrder(slotFields_.at(slot - 1), slotFields_.at(slot));
    }
    setTabOrder(slotFields_.last(), exit);

    rows_->attachNavigator(navigator_);
    rows_->setStatement(dayStatement);
    fixSizeAndCentre(QSize(790, 689));
}

QScrollArea* AppointmentListWindow::makeSlotArea() {
    auto* slotBox = new QWidget;
    auto* grid = new QGridLayout(slotBox);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    const QList<AppointmentSlot>& all = appointmentSlots();
    for (int slot = 0; slot < all.size(); ++slot) {
        QLineEdit* field = makeSlotField(slotBox);
        rows_->bind(field, all.at(slot).column);
        rows_->setCaption(all.at(slot).column, all.at(slot).caption);
        slotFields_.append(field);
        const int row = slot % kSlotsPerColumn;
        const int column = slot / kSlotsPerColumn * 2;
        grid->addWidget(makeCaption(all.at(slot).caption), row, column);
        grid->addWidget(field, row, column + 1);
    }
    auto* area = new QScrollArea(this);
    area->setWidget(slotBox);
    area->setWidgetResizable(true);
    return area;
}

QWidget* AppointmentListWindow::makeCaption(const QString& text) {
    auto* caption = new QLabel(text);
    caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    caption->setAutoFillBackground(true);
    colourText(caption, QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    caption->setMargin(3);
    return caption;
}

QString AppointmentListWindow::unsavedQuestion() {
    return QStringLiteral("Τα ραντεβού που γράψατε δεν έχουν αποθηκευτεί.\nΝα αποθηκευτούν;");
}

void AppointmentListWindow::done(int result) {
    if (rows_->isEditing() && rows_->source().isModified() &&
        ui::askYesNo(this, unsavedQuestion()) && !rows_->post()) {
        return;  // the refusal was shown; the typing stays for the staff to correct
    }
    ui::DataWindow::done(result);
}

}  // namespace organiser
