#include "finance/child_identity_lines.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/labels.h"

namespace finance {

void addChildIdentityLines(QGridLayout* grid, int firstRow, const QString& childNumber,
                           const QString& firstName, const QString& surname, QWidget* owner) {
    const std::pair<QString, QString> lines[] = {
        {QStringLiteral("Αρ. Μητρώου:"), childNumber},
        {QStringLiteral("Όνομα:"), firstName},
        {QStringLiteral("Επώνυμο:"), surname},
    };
    int row = firstRow;
    for (const auto& [caption, value] : lines) {
        grid->addWidget(new QLabel(caption, owner), row, 0);
        grid->addWidget(ui::redLabel(value, owner, true), row, 1);
        ++row;
    }
}

}  // namespace finance
