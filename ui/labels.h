#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// The small labels every data window repeats.
void makeRed(QLabel* label);
void makeBold(QLabel* label);
QLabel* redLabel(const QString& text, QWidget* parent, bool bold = false);
QLabel* boldLabel(const QString& text, QWidget* parent);
// The red "*" right of a field the staff must fill in.
QLabel* requiredMark(QWidget* parent);

// The label the staff see for a field, as a message names it ("Ημερομηνία γεννήσεως"): its
// accessible name, else the text of the label whose buddy it is, else of the label just before
// it in its layout; without accelerator marks and the closing colon. Empty when there is none.
QString fieldLabel(const QWidget* field);

}  // namespace ui
