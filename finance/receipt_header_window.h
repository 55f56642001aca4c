#pragma once

#include <QList>

#include "ui/data_window.h"

class QLineEdit;
class QPushButton;

namespace ui {
class Navigator;
}

namespace finance {

// The header every receipt prints: the kindergarten's title, address, phones, tax numbers and
// seven free lines. The preview prints what has been stored, on a receipt that matches no
// archived receipt.
class ReceiptHeaderWindow : public ui::DataWindow {
    Q_OBJECT
public:
    explicit ReceiptHeaderWindow(const common::ProgramContext& context, QWidget* parent = nullptr);

    // The field bound to a column of INFORMATION (TITLE, ADDRESS1, ..., EXTRA7).
    QLineEdit* field(const QString& column) const;
    ui::Navigator* navigator() const { return navigator_; }
    QPushButton* previewButton() const { return previewButton_; }

private:
    QLineEdit* addField(const QString& column);
    void buildLayout();
    void storeClicked();
    void preview();

    ui::BoundTable* header_ = nullptr;
    QList<std::pair<QString, QLineEdit*>> fields_;
    ui::Navigator* navigator_ = nullptr;
    QPushButton* previewButton_ = nullptr;
};

}  // namespace finance
