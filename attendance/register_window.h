#pragma once

#include "ui/data_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace ui {
class Navigator;
}

namespace attendance {

// The attendance register ("Παρουσιολόγιο"): what the last build left in APOYSIES_TEMP, in
// surname order, under its title lines and a legend; prints it. Created once at program start
// and shown again after every build.
class RegisterWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit RegisterWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    // Reads the register and its title lines again and shows the window modally; returns when
    // it has been closed. The reading comes first, so a failure reaches the caller and the
    // window stays hidden.
    void showRegister();

    const db::RowSet& rows() const;
    QString firstTitleLine() const;
    QString secondTitleLine() const;
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }
    QPushButton* printButton() const { return printButton_; }

private:
    QWidget* makeTop();
    QWidget* makeGrid();
    QWidget* makeBottomRow();
    void read();
    void print();

    ui::BoundTable* register_ = nullptr;
    ui::BoundTable* titles_ = nullptr;
    QLabel* firstTitle_ = nullptr;
    QLabel* secondTitle_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QPushButton* printButton_ = nullptr;
};

}  // namespace attendance
