#pragma once

#include <QString>

namespace db {
class Connection;
class Table;
}  // namespace db

namespace programme {

// The table of the groups and the order every group list shows them in.
QString groupNamesTable();
QString groupNamesSort();

// "Καταχώρηση" of a new group is possible only while both texts, trimmed, are filled in and
// free of the forbidden characters.
bool canAddGroup(const QString& name, const QString& responsible);
// Stores a new group; the texts are trimmed. The database gives it its ID.
QString newGroupStatement(const QString& name, const QString& responsible);

// The active members of a group, by surname.
QString groupMembersStatement(qint64 groupId);
// The active children in no group, oldest first.
QString unassignedChildrenStatement();
QString assignChildStatement(qint64 childNumber, qint64 groupId);
QString removeChildStatement(qint64 childNumber);

// The printed list of a group's active members, by surname, with its two title lines.
QString groupListStatement(qint64 groupId);
QString groupListTitle(const QString& name);
QString groupListResponsibleLine(const QString& responsible);

// Deletes the current group of the table together with its children's assignments, in one
// transaction: those children are unassigned again instead of belonging to a group that no
// longer exists.
void removeCurrentGroup(db::Connection& connection, db::Table& groups);

}  // namespace programme
