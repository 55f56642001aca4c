#pragma once

#include "ui/data_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace attendance {

class RegisterWindow;

// The register request ("Παρουσιολόγιο"): the year and month of the register to build; builds
// it and shows it in the register window.
class RegisterRequestWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit RegisterRequestWindow(const common::ProgramContext& context, QWidget* parent = nullptr)
        : RegisterRequestWindow(context, nullptr, parent) {}
    // With the register window a test gives (the program's long-lived one when null).
    RegisterRequestWindow(const common::ProgramContext& context, RegisterWindow* registerWindow,
                          QWidget* parent = nullptr);

    QLineEdit* yearField() const { return yearField_; }
    QComboBox* monthList() const { return monthList_; }
    QPushButton* buildButton() const { return buildButton_; }

private:
    QWidget* makeInputs();
    void yearChanged();
    void build();
    RegisterWindow& registerWindow();

    RegisterWindow* registerWindow_;
    QLineEdit* yearField_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QPushButton* buildButton_ = nullptr;
};

}  // namespace attendance
