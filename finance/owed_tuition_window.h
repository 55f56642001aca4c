#pragma once

#include "ui/data_window.h"

class QLabel;

namespace finance {

// The months a child still owes.
class OwedTuitionWindow : public ui::DataWindow {
    Q_OBJECT
public:
    // The child as the children list hands it: registry number, first name, surname (trimmed).
    OwedTuitionWindow(const common::ProgramContext& context, const QString& childNumber,
                      const QString& firstName, const QString& surname, QWidget* parent = nullptr);

    ui::BoundTable* months() const { return months_; }
    QLabel* owedCount() const { return owedCount_; }

protected:
    void formShow() override;

private:
    void buildLayout(const QString& firstName, const QString& surname);

    QString childNumber_;
    ui::BoundTable* months_ = nullptr;
    QLabel* owedCount_ = nullptr;
};

}  // namespace finance
