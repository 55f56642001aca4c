#pragma once

#include <QList>

#include "ui/rowset_model.h"

namespace programme {

// The columns of the groups grids: the group's name and the person in charge.
QList<ui::GridColumn> groupGridColumns();

// The columns of the children grids of the groups windows, in the search results' order.
QList<ui::GridColumn> childrenGridColumns();

}  // namespace programme
