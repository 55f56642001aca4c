#pragma once

#include "organiser/books.h"
#include "ui/data_window.h"

class QLineEdit;
class QPlainTextEdit;
class QTableView;

// A book of dated texts (the events book, the reminders): a date and a text per row, listed
// newest date first, with the dates in a grid beside the text.
class DatedBookWindow : public ui::DataWindow {
    Q_OBJECT
public:
    DatedBookWindow(const QString& caption, const organiser::Book& book, QWidget* parent);

    ui::BoundTable* rows() const { return rows_; }
    QLineEdit* dateField() const { return date_; }
    QPlainTextEdit* textField() const { return text_; }
    QTableView* grid() const { return grid_; }
    ui::Navigator* navigator() const { return navigator_; }

protected:
    void formShow() override;

private:
    organiser::Book book_;
    ui::BoundTable* rows_;
    QLineEdit* date_;
    QPlainTextEdit* text_;
    QTableView* grid_;
    ui::Navigator* navigator_;
};
