#pragma once

#include "ui/data_window.h"

class QComboBox;
class QPushButton;

namespace finance {

// The yearly tuition status: builds the status of the chosen year and prints it. Created once
// at program start; each showing preselects the current year.
class YearlyStatusWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit YearlyStatusWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    QComboBox* yearList() const { return yearList_; }
    QPushButton* showButton() const { return show_; }

protected:
    void formShow() override;

private:
    void present();

    QComboBox* yearList_ = nullptr;
    QPushButton* show_ = nullptr;
};

}  // namespace finance
