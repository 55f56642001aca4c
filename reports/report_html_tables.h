#pragma once

#include <QList>
#include <QString>

namespace reports {

// Where a table that stands in the body of an HTML text (not inside another table) begins,
// where each of its rows begins, and where its end tag </table> begins.
struct HtmlTable {
    qsizetype start = 0;
    QList<qsizetype> rows;
    qsizetype end = 0;
};

// The tables of an HTML text that are not inside another table, in order, found by their
// tags; comments and the contents of <style>, <script> and <title> are passed over. A table
// without its end tag is left out.
QList<HtmlTable> outerTables(const QString& html);

}  // namespace reports
