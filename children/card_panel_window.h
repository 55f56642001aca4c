#pragma once

#include <QHash>
#include <QList>
#include <QScrollArea>

#include "children/card_fields.h"

class QGridLayout;

namespace ui {
class BoundTable;
}

namespace children {

// The child's whole card on one vertically scrolling panel, as the registration card and the
// child details window show it: the three headed sections with every field of the card under
// its bold label, the red asterisks, date examples and notes right of the fields, and the
// keyboard moving through the fields in the card's order. Built from the card's field
// catalogue; a part of those windows, not a window of its own.
class CardPanel : public QScrollArea {
    Q_OBJECT
public:
    enum class RegistryNumber { Shown, Hidden };

    explicit CardPanel(RegistryNumber registryNumber, QWidget* parent = nullptr);

    // Binds every field to its column of the table's current row.
    void bindTo(ui::BoundTable& table);
    // A saved card can be looked at, not changed.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    // The field of a column (a QLineEdit, QPlainTextEdit or QComboBox), or nullptr.
    QWidget* field(const QString& column) const { return fields_.value(column, nullptr); }
    // The fields in the card's order.
    QList<QWidget*> fieldsInOrder() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addSection(QGridLayout* grid, int& row, CardSection section, bool withRegistryNumber);
    void addField(QGridLayout* grid, int& row, const CardField& field);
    QWidget* makeFieldWidget(const CardField& field);
    QWidget* makeMarks(const CardField& field);
    void chainKeyboardOrder();
    bool isUnfocusedList(QObject* watched) const;

    QList<CardField> shownFields_;
    QHash<QString, QWidget*> fields_;
    bool readOnly_ = false;
};

}  // namespace children
