#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

// The small labels every data window repeats.
void makeRed(QLabel* label);
void makeBold(QLabel* label);
QLabel* redLabel(const QString& text, QWidget* parent, bool bold = false);
QLabel* boldLabel(const QString& text, QWidget* parent);
// The red "*" right of a field the staff must fill in.
QLabel* requiredMark(QWidget* parent);

// A red note that names the first forbidden character typed into the field, and is empty while
// there is none. It keeps the room of two lines of text, so a fixed-size window has space for
// it.
QLabel* forbiddenCharacterNote(QLineEdit* field, QWidget* parent);

// The label the staff see for a field, as a message names it ("Ημερομηνία γεννήσεως"): its
// accessible name, else the text of the label whose buddy it is, else of the label just before
// it in its layout; without accelerator marks and the closing colon. Empty when there is none.
QString fieldLabel(const QWidget* field);

}  // namespace ui
