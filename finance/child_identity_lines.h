#pragma once

class QGridLayout;
class QString;
class QWidget;

namespace finance {

// The three red bold lines that name the child a per-child tuition window is about:
// "Αρ. Μητρώου:", "Όνομα:" and "Επώνυμο:", from the given row of the grid on.
void addChildIdentityLines(QGridLayout* grid, int firstRow, const QString& childNumber,
                           const QString& firstName, const QString& surname, QWidget* owner);

}  // namespace finance
