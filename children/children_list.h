#pragma once

#include <QList>
#include <QString>

#include "children/list_request.h"
#include "common/child_openers.h"

namespace db {
class RowSet;
}

namespace children {

// The sort choices of the children list, top to bottom, each with its ORDER BY column.
struct SortChoice {
    QString caption;
    QString column;
};
const QList<SortChoice>& sortChoices();

enum class SortDirection { Ascending, Descending };

// The list text: the list's select for a request, one sort column and a direction; none for
// a request without a condition.
std::optional<QString> listStatement(const ListRequest& request, const QString& sortColumn,
                                     SortDirection direction);

// The current row's child as the list hands it on: registry number, first name and surname as
// displayed, without surrounding blanks (all empty when there is no current row).
common::ChildIdentity currentChild(const db::RowSet& rows);

}  // namespace children
