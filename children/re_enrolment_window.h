#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;

namespace children {

// "Επανεγραφή": opens a new enrolment period of the child on the typed date, marks the child
// active and adds this month's owed tuition row; closes when done.
class ReEnrolmentWindow : public ui::DataWindow {
    Q_OBJECT
public:
    ReEnrolmentWindow(const common::ProgramContext& context, const QString& registryNumber,
                      QWidget* parent = nullptr);

    static QString caption();
    static QString failureMessage();

    QLineEdit* dateField() const { return date_; }
    QPushButton* storeButton() const { return store_; }

private:
    void store();

    QString registryNumber_;
    QLineEdit* date_;
    QPushButton* store_;
};

}  // namespace children
