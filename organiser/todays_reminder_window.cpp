#include "organiser/todays_reminder_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace organiser {

TodaysReminderWindow::TodaysReminderWindow(const common::ProgramContext& context,
                                           const QString& queryText, QWidget* parent)
    : ui::DataWindow(context, parent),
      queryText_(queryText),
      reminder_(bindQuery()),
      text_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Υπενθυμίσεις"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMinimumSize(420, 220);
    reminder_->bind(text_, QStringLiteral("KEIMENO"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(makeExitButton(), 0, Qt::AlignRight);
    fixSizeAndCentre();
}

void TodaysReminderWindow::formShow() {
    reminder_->setStatement(queryText_);
}

}  // namespace organiser
