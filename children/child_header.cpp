#include "children/child_header.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/labels.h"

namespace children {

QLayout* makeChildHeader(const common::ChildIdentity& child, QWidget* parent) {
    auto* grid = new QGridLayout;
    const QList<std::pair<QString, QString>> lines = {
        {QStringLiteral("Αρ. Μητρώου:"), child.registryNumber},
        {QStringLiteral("Όνομα:"), child.firstName},
        {QStringLiteral("Επώνυμο:"), child.surname},
    };
    int row = 0;
    for (const auto& [caption, value] : lines) {
        grid->addWidget(new QLabel(caption, parent), row, 0);
        grid->addWidget(ui::redLabel(value, parent, true), row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return grid;
}

}  // namespace children
