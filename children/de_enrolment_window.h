#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;

namespace children {

// "Διαγραφή": closes the child's enrolment period that began on the given date with the typed
// date and reason, and marks the child inactive; closes when done.
class DeEnrolmentWindow : public ui::DataWindow {
    Q_OBJECT
public:
    DeEnrolmentWindow(const common::ProgramContext& context, const QString& registryNumber,
                      const QString& enrolmentDate, QWidget* parent = nullptr);

    static QString caption();
    static QString failureMessage();

    QLineEdit* dateField() const { return date_; }
    QLineEdit* reasonField() const { return reason_; }
    QPushButton* deEnrolButton() const { return deEnrol_; }

private:
    void fieldChanged();
    void deEnrol();

    QString registryNumber_;
    QString enrolmentDate_;
    QLineEdit* date_;
    QLineEdit* reason_;
    QPushButton* deEnrol_;
};

}  // namespace children
