#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace app {

// The parts the three password windows share.

// The red bold warning that upper and lower case matter.
QLabel* makeCaseWarning(const QString& text, QWidget* parent);

// Adds one row to the grid: the bold label, a field that shows every character as "*", and a
// red "*" after it. Returns the field.
QLineEdit* addPasswordRow(QGridLayout* grid, int row, const QString& label, QWidget* parent);

}  // namespace app
