#pragma once

#include "ui/data_window.h"

class QLabel;

namespace finance {

// The months a child has paid, with each receipt and the totals.
class PaidTuitionWindow : public ui::DataWindow {
    Q_OBJECT
public:
    // The child as the children list hands it: registry number, first name, surname (trimmed).
    PaidTuitionWindow(const common::ProgramContext& context, const QString& childNumber,
                      const QString& firstName, const QString& surname, QWidget* parent = nullptr);

    ui::BoundTable* months() const { return months_; }
    QLabel* receiptCount() const { return receiptCount_; }
    QLabel* income() const { return income_; }
    QLabel* vat() const { return vat_; }
    QLabel* total() const { return total_; }

protected:
    void formShow() override;

private:
    void buildLayout(const QString& firstName, const QString& surname);

    QString childNumber_;
    ui::BoundTable* months_ = nullptr;
    QLabel* receiptCount_ = nullptr;
    QLabel* income_ = nullptr;
    QLabel* vat_ = nullptr;
    QLabel* total_ = nullptr;
};

}  // namespace finance
