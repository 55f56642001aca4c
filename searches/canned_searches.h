#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace searches {

// One ready-made search of the "Έ&ρευνα" menu: where it sits, the title line it writes and the
// children it lists. Most list the children matching a condition; two join another table and
// carry a whole statement of their own.
struct CannedSearch {
    QStringList menuPath;      // the submenus below "Έ&ρευνα", outermost first
    QString caption;           // the menu caption with its accelerator
    QString title;             // KEIMENO1; KEIMENO2 is always left empty
    QString condition;         // what follows WHERE in the standard statement
    QString specialStatement;  // the whole statement, for the two that join another table

    // The statement handed to the search results window.
    QString statement() const;
};

// The 76 searches in menu order: every search of one submenu in the order the menu shows them,
// the submenus in the order they appear.
const QList<CannedSearch>& cannedSearches();

// The searches of one submenu (a path below "Έ&ρευνα"), in menu order.
QList<CannedSearch> cannedSearchesUnder(const QStringList& menuPath);

// The head of the canned searches' statement: the ten result columns of the search results
// window, from CHILDREN, up to WHERE (str() and as in small letters).
QString cannedSearchHead();

// The standard statement of a canned search: the ten result columns of the children
// matching the condition, by surname.
QString cannedSearchStatement(const QString& condition);

}  // namespace searches
