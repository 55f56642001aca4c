#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace reports {

// Where the pieces of a table standing in the body of an HTML text (not inside another table)
// lie in the text, found by their tags.
struct HtmlCell {
    qsizetype contentStart = 0;  // after its start tag <td ...> or <th ...>
    qsizetype contentEnd = 0;    // where its end tag (or the next cell or row) begins
};

struct HtmlRow {
    qsizetype start = 0;   // its <tr ...>
    qsizetype end = 0;     // after its </tr>, or where the next row or section begins
    bool heading = false;  // inside <thead>
    bool nested = false;   // holds another table
    QList<HtmlCell> cells;
};

struct HtmlTable {
    qsizetype start = 0;
    qsizetype end = 0;  // where its </table> begins
    QList<HtmlRow> rows;
};

// The tables of an HTML text that are not inside another table, in order; comments and the
// contents of <style>, <script> and <title> are passed over. A table without its end tag is
// left out.
QList<HtmlTable> outerTables(const QString& html);

// What the toolkit reads from a cell's content when it is plain text: characters, the
// entities escaped values carry (&amp; &lt; &gt; &quot; &#39; &nbsp;) and line breaks <br/>,
// with single spaces between words and none at the ends or round a line break (the toolkit
// collapses those); nothing otherwise.
std::optional<QString> plainText(QStringView content);

// The HTML with the body rows of its outer tables that repeat an earlier row of their table,
// but for the plain text of their cells, left out (the toolkit reads every row alike, and a
// long list has a handful of kinds of rows); and for each table, for each of its rows, the
// row of the shortened table that stands for it.
struct SampledRows {
    QString html;
    QList<QList<int>> sampleOf;
};
SampledRows sampleRows(const QString& html, const QList<HtmlTable>& tables);

}  // namespace reports
