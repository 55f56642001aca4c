#include "reports/report_html_tables.h"

namespace reports {

namespace {

// The name of the tag that starts at `at` ('<'), lower-case, with a leading '/' for an end
// tag; empty for anything else ("<!DOCTYPE", "< ", ...).
QString tagName(const QString& html, qsizetype at) {
    qsizetype end = at + 1;
    if (end < html.size() && html.at(end) == u'/')
        ++end;
    while (end < html.size() && html.at(end).isLetterOrNumber()) ++end;
    return html.mid(at + 1, end - at - 1).toLower();
}

// Where the text of a tag whose content is not markup ends: at its end tag.
qsizetype skipRawText(const QString& html, qsizetype from, const QString& name) {
    const qsizetype end = html.indexOf(QStringLiteral("</") + name, from, Qt::CaseInsensitive);
    return end < 0 ? html.size() : end;
}

}  // namespace

QList<HtmlTable> outerTables(const QString& html) {
    QList<HtmlTable> tables;
    HtmlTable open;
    int depth = 0;
    for (qsizetype at = html.indexOf(u'<'); at >= 0; at = html.indexOf(u'<', at + 1)) {
        if (html.mid(at, 4) == u"<!--") {
            at = html.indexOf(QStringLiteral("-->"), at);
            if (at < 0)
                break;
            continue;
        }
        const QString name = tagName(html, at);
        if (name == u"style" || name == u"script" || name == u"title") {
            at = skipRawText(html, at + 1, name);
        } else if (name == u"table") {
            if (depth++ == 0)
                open = HtmlTable{at, {}, 0};
        } else if (name == u"/table" && depth > 0) {
            if (--depth == 0) {
                open.end = at;
                tables.append(open);
            }
        } else if (name == u"tr" && depth == 1) {
            open.rows.append(at);
        }
    }
    return tables;
}

}  // namespace reports
