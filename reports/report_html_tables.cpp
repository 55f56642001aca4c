#include "reports/report_html_tables.h"

#include <QHash>

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

// Reads the rows and cells of one table as its tags go by.
class TableReader {
public:
    explicit TableReader(qsizetype start) { table_.start = start; }

    void tag(const QString& name, qsizetype at, qsizetype after, int depth) {
        if (depth > 1) {
            if (row_ != nullptr)
                row_->nested = true;
            return;
        }
        if (name == u"tr") {
            closeRow(at);
            table_.rows.append(HtmlRow{at, 0, heading_, false, {}});
            row_ = &table_.rows.last();
        } else if (name == u"/tr") {
            closeRow(at, after);
        } else if (name == u"td" || name == u"th") {
            closeCell(at);
            if (row_ != nullptr) {
                row_->cells.append(HtmlCell{after, 0});
                cellOpen_ = true;
            }
        } else if (name == u"/td" || name == u"/th") {
            closeCell(at);
        } else if (name == u"thead" || name == u"/thead" || name == u"tbody" || name == u"/tbody" ||
                   name == u"tfoot" || name == u"/tfoot") {
            closeRow(at);
            heading_ = name == u"thead";
        }
    }

    HtmlTable finish(qsizetype end) {
        closeRow(end);
        table_.end = end;
        return table_;
    }

private:
    void closeCell(qsizetype at) {
        if (cellOpen_)
            row_->cells.last().contentEnd = at;
        cellOpen_ = false;
    }

    void closeRow(qsizetype at, qsizetype after = -1) {
        closeCell(at);
        if (row_ != nullptr)
            row_->end = after >= 0 ? after : at;
        row_ = nullptr;
    }

    HtmlTable table_;
    HtmlRow* row_ = nullptr;
    bool cellOpen_ = false;
    bool heading_ = false;
};

// The characters an entity the values are escaped with stands for.
std::optional<QChar> entity(QStringView text) {
    static const std::pair<const char16_t*, char16_t> known[] = {
        {u"&amp;", u'&'},  {u"&lt;", u'<'},   {u"&gt;", u'>'},
        {u"&quot;", u'"'}, {u"&#39;", u'\''}, {u"&nbsp;", u'\u00a0'},
    };
    for (const auto& [name, character] : known) {
        if (text.startsWith(QStringView(name)))
            return QChar(character);
    }
    return std::nullopt;
}

qsizetype lineBreakLength(QStringView text) {
    for (const QStringView tag : {u"<br/>", u"<br />", u"<br>"}) {
        if (text.startsWith(tag, Qt::CaseInsensitive))
            return tag.size();
    }
    return 0;
}

}  // namespace

QList<HtmlTable> outerTables(const QString& html) {
    QList<HtmlTable> tables;
    std::optional<TableReader> open;
    int depth = 0;
    for (qsizetype at = html.indexOf(u'<'); at >= 0; at = html.indexOf(u'<', at + 1)) {
        if (QStringView(html).mid(at, 4) == u"<!--") {
            at = html.indexOf(QStringLiteral("-->"), at);
            if (at < 0)
                break;
            continue;
        }
        const QString name = tagName(html, at);
        const qsizetype close = html.indexOf(u'>', at);
        const qsizetype after = close < 0 ? html.size() : close + 1;
        if (name == u"style" || name == u"script" || name == u"title") {
            at = skipRawText(html, at + 1, name);
        } else if (name == u"table") {
            if (depth++ == 0)
                open.emplace(at);
            else
                open->tag(name, at, after, depth);
        } else if (name == u"/table" && depth > 0) {
            if (--depth == 0)
                tables.append(open->finish(at));
            else
                open->tag(name, at, after, depth + 1);
        } else if (depth > 0) {
            open->tag(name, at, after, depth);
        }
    }
    return tables;
}

std::optional<QString> plainText(QStringView content) {
    QString text;
    text.reserve(content.size());
    bool lineStart = true;  // at the start or after a line break
    for (qsizetype i = 0; i < content.size();) {
        const QChar c = content.at(i);
        if (c == u'<') {
            const qsizetype length = lineBreakLength(content.mid(i));
            if (length == 0 || text.endsWith(u' '))
                return std::nullopt;
            text += QChar::LineSeparator;
            lineStart = true;
            i += length;
            continue;
        }
        if (c == u'&') {
            const std::optional<QChar> character = entity(content.mid(i));
            if (!character)
                return std::nullopt;
            text += *character;
            i = content.indexOf(u';', i) + 1;
        } else if (c == u' ') {
            if (lineStart || text.endsWith(u' '))
                return std::nullopt;
            text += c;
            ++i;
            continue;
        } else if (c.isSpace() || c == u'>') {
            return std::nullopt;
        } else {
            text += c;
            ++i;
        }
        lineStart = false;
    }
    if (text.endsWith(u' '))
        return std::nullopt;
    return text;
}

namespace {

// A row with the plain text of its cells left out, and empty cells told from the others.
QString kindOf(QStringView html, const HtmlRow& row) {
    QString kind;
    qsizetype from = row.start;
    for (const HtmlCell& cell : row.cells) {
        const QStringView content =
            html.mid(cell.contentStart, cell.contentEnd - cell.contentStart);
        const std::optional<QString> plain = plainText(content);
        kind += html.mid(from, cell.contentStart - from);
        if (plain && !plain->isEmpty()) {
            // Text, and where its line breaks fall, told apart from the text itself.
            for (const QChar c : *plain) {
                if (c == QChar::LineSeparator || kind.back() == QChar::LineSeparator ||
                    kind.back() != QChar(1))
                    kind += c == QChar::LineSeparator ? c : QChar(1);
            }
        } else
            kind += content;
        from = cell.contentEnd;
    }
    kind += html.mid(from, row.end - from);
    return kind;
}

}  // namespace

SampledRows sampleRows(const QString& html, const QList<HtmlTable>& tables) {
    SampledRows sampled;
    qsizetype from = 0;
    for (const HtmlTable& table : tables) {
        QList<int> sampleOf;
        QHash<QString, int> kinds;
        int kept = 0;
        for (const HtmlRow& row : table.rows) {
            if (row.heading || row.nested || sampleOf.isEmpty()) {
                sampleOf.append(kept++);
                continue;
            }
            const QString kind = kindOf(html, row);
            const auto known = kinds.constFind(kind);
            if (known == kinds.constEnd()) {
                kinds.insert(kind, kept);
                sampleOf.append(kept++);
                continue;
            }
            sampleOf.append(known.value());
            sampled.html += QStringView(html).mid(from, row.start - from);
            from = row.end;
        }
        sampled.sampleOf.append(sampleOf);
    }
    sampled.html += QStringView(html).mid(from);
    return sampled;
}

}  // namespace reports
