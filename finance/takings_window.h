#pragma once

#include "finance/tuition_views.h"
#include "ui/data_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace finance {

// The takings between two typed dates: income, VAT and a third figure. The search is allowed
// while both texts pass the forbidden-character test; a text that is not a date, or a query the
// engine refuses, is told as "Λανθασμένα κριτήρια.". The tuition and the general-receipt
// takings are this window with their own source, title and third caption.
class TakingsWindow : public ui::DataWindow {
    Q_OBJECT
public:
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QPushButton* findButton() const { return find_; }
    QLabel* income() const { return income_; }
    QLabel* vat() const { return vat_; }
    QLabel* third() const { return third_; }

protected:
    TakingsWindow(const common::ProgramContext& context, TakingsSource source, const QString& title,
                  const QString& thirdCaption, QWidget* parent);

private:
    void buildLayout(const QString& thirdCaption);
    void updateFindButton();
    void find();

    TakingsSource source_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* find_ = nullptr;
    QLabel* income_ = nullptr;
    QLabel* vat_ = nullptr;
    QLabel* third_ = nullptr;
};

}  // namespace finance
