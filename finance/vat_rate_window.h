#pragma once

#include <functional>

#include "ui/data_window.h"

class QLineEdit;

namespace ui {
class Navigator;
}

namespace finance {

// The VAT rate of every receipt. Storing a rate ends the program, which reads the rate afresh
// when it is started again.
class VatRateWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit VatRateWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    // What "end the program" does after a stored rate; the application's exit by default.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    QLineEdit* rateField() const { return rateField_; }
    ui::Navigator* navigator() const { return navigator_; }

private:
    void storeClicked();

    ui::BoundTable* rate_ = nullptr;
    QLineEdit* rateField_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    std::function<void()> endProgram_;
};

}  // namespace finance
