#pragma once

#include "ui/data_window.h"

class QLineEdit;
class QPlainTextEdit;
class QTableView;

// The notes book "Βιβλίο σημειώσεων": a heading and a text per note, listed by heading.
class TForm5 : public ui::DataWindow {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    ui::BoundTable* notes() const { return notes_; }
    QLineEdit* titleField() const { return title_; }
    QPlainTextEdit* textField() const { return text_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }

protected:
    void formShow() override;

private:
    ui::BoundTable* notes_;
    QLineEdit* title_;
    QPlainTextEdit* text_;
    QTableView* grid_;
    ui::Navigator* navigator_;
};
