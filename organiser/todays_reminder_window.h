#pragma once

#include "ui/data_window.h"

class QPlainTextEdit;

namespace organiser {

// The popup "Υπενθυμίσεις" of today's reminder: shows the text (KEIMENO) of the first row of
// the query it is given, run when the popup is shown. Stays on top of the other windows.
class TodaysReminderWindow : public ui::DataWindow {
    Q_OBJECT
public:
    TodaysReminderWindow(const common::ProgramContext& context, const QString& queryText,
                         QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return text_; }

protected:
    void formShow() override;

private:
    QString queryText_;
    ui::BoundTable* reminder_;
    QPlainTextEdit* text_;
};

}  // namespace organiser
