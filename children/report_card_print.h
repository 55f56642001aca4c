#pragma once

#include <QString>

#include "children/card_print.h"

namespace db {
class Connection;
}

namespace children {

// Prints one of the card print window's printouts through the report engine: its report file
// receives the rows of its select (cardPrintStatement) through the one data connection. A
// missing report file or a refused statement throws.
void printCards(db::Connection& connection, const QString& programDirectory, CardPrint print,
                const CardPrintMode& mode, const QString& listSelect);

}  // namespace children
