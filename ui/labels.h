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

}  // namespace ui
