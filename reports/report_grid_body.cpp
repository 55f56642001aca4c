#include "reports/report_grid_body.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <optional>

#include "reports/report_html_tables.h"
#include "reports/report_table_grid.h"
#include "reports/report_table_rows.h"

namespace reports {

struct GridBody::Text {
    std::unique_ptr<QTextLayout> layout;
    int column = 0;
    int look = 0;
    double height = 0;
};

namespace {

// A table whose body rows can be laid out here: a grid drawn cell by cell in the page's flow,
// no cell spanning rows or columns or aligned other than at the top, and the table and its
// columns of set widths (the toolkit sizes the others by their cells' longest lines, which
// the rows that stay in the document could not tell it).
bool qualifies(const QTextDocument& document, const PreparedTable& prepared) {
    const QTextTable& table = *prepared.table;
    const QTextTableFormat format = table.format();
    if (!prepared.grid || prepared.spansColumns || !prepared.lastRowReached.isEmpty() ||
        !prepared.everyCellTopAligned || table.parentFrame() != document.rootFrame() ||
        format.position() != QTextFrameFormat::InFlow || !table.childFrames().isEmpty() ||
        format.background().style() != Qt::NoBrush ||
        format.width().type() == QTextLength::VariableLength)
        return false;
    const QList<QTextLength> widths = format.columnWidthConstraints();
    return widths.size() == table.columns() &&
           std::all_of(widths.begin(), widths.end(), [](const QTextLength& width) {
               return width.type() != QTextLength::VariableLength;
           });
}

// A paragraph laid out here as the toolkit lays out a cell's paragraph with nothing round its
// lines: no margins, indents, rules, lists, pictures or line spacing of its own, left to right.
bool plainFormat(const QTextBlockFormat& format) {
    return !format.hasProperty(QTextFormat::BackgroundBrush) &&
           !format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) &&
           format.objectIndex() == -1 && format.topMargin() == 0 && format.bottomMargin() == 0 &&
           format.leftMargin() == 0 && format.rightMargin() == 0 && format.indent() == 0 &&
           format.textIndent() == 0 && !format.nonBreakableLines() &&
           format.lineHeightType() == QTextBlockFormat::SingleHeight;
}

bool plainText(const QTextBlock& block) {
    return block.isVisible() && block.textList() == nullptr &&
           block.textDirection() == Qt::LeftToRight &&
           !block.text().contains(QChar::ObjectReplacementCharacter);
}

// The paragraph formats of a document that are plain, each looked at once.
class PlainFormats {
public:
    explicit PlainFormats(const QTextDocument& document) : formats_(document.allFormats()) {}

    bool plain(const QTextBlock& block) {
        auto known = plain_.find(block.blockFormatIndex());
        if (known == plain_.end()) {
            known = plain_.insert(
                block.blockFormatIndex(),
                plainFormat(formats_.value(block.blockFormatIndex()).toBlockFormat()));
        }
        return known.value() && plainText(block);
    }

    QTextTableCellFormat cellFormat(int index) const {
        return formats_.value(index).toTableCellFormat();
    }

private:
    QList<QTextFormat> formats_;
    QHash<int, bool> plain_;
};

// The toolkit's height of a line of a paragraph with single line spacing: its ascent, descent
// and leading, rounded up to whole pixels.
double lineHeight(const QTextLine& line) {
    return std::ceil(line.ascent() + line.descent() + line.leading());
}

QTextOption optionOf(const QTextDocument& document, const QTextBlockFormat& format) {
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    Qt::Alignment alignment =
        format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment();
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= Qt::AlignLeft;
    option.setAlignment(alignment | Qt::AlignAbsolute);
    return option;
}

// The stretches of a paragraph of plain text: runs of text and runs of line breaks (the
// toolkit may give each its own format), each with its format and the format's index.
struct Stretch {
    bool lineBreak = false;
    int length = 0;
    QTextCharFormat format;
    int formatIndex = -1;
};
using Stretches = QList<Stretch>;

bool isLineBreak(QChar c) {
    return c == QChar::LineSeparator;
}

QList<Stretch> stretchesOf(const QString& text) {
    QList<Stretch> stretches;
    for (qsizetype start = 0; start < text.size();) {
        const bool lineBreak = isLineBreak(text.at(start));
        qsizetype end = start + 1;
        while (end < text.size() && isLineBreak(text.at(end)) == lineBreak) ++end;
        stretches.append(Stretch{lineBreak, int(end - start), {}, -1});
        start = end;
    }
    return stretches;
}

// The formats of a paragraph's stretches, when each stretch is in one format.
std::optional<Stretches> stretchFormatsOf(const QTextBlock& block) {
    Stretches stretches = stretchesOf(block.text());
    int stretch = 0;
    int offset = 0;  // into the stretch
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        for (int done = 0; done < fragment.length();) {
            Stretch& current = stretches[stretch];
            if (current.formatIndex >= 0 && current.formatIndex != fragment.charFormatIndex())
                return std::nullopt;
            current.formatIndex = fragment.charFormatIndex();
            current.format = fragment.charFormat();
            const int step = std::min(fragment.length() - done, current.length - offset);
            done += step;
            offset += step;
            if (offset == current.length) {
                ++stretch;
                offset = 0;
            }
        }
    }
    return stretches;
}

std::unique_ptr<QTextLayout> newLayout(const QTextDocument& document, const QTextBlock& block,
                                       const QString& text, const QFont& font) {
    auto layout = std::make_unique<QTextLayout>(text, font.resolve(document.defaultFont()),
                                                document.documentLayout()->paintDevice());
    layout->setTextOption(optionOf(document, block.blockFormat()));
    layout->setCacheEnabled(true);
    return layout;
}

// A paragraph as it stands: in its one font, or with the formats of its stretches.
std::unique_ptr<QTextLayout> layoutOf(const QTextDocument& document, const QTextBlock& block) {
    QList<QTextLayout::FormatRange> ranges;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        ranges.append(
            {fragment.position() - block.position(), fragment.length(), fragment.charFormat()});
    }
    if (ranges.size() <= 1) {
        return newLayout(
            document, block, block.text(),
            ranges.isEmpty() ? block.charFormat().font() : ranges.first().format.font());
    }
    auto layout = newLayout(document, block, block.text(), document.defaultFont());
    layout->setFormats(ranges);
    return layout;
}

// Another plain text in the formats of a paragraph of plain text with the same stretches.
std::unique_ptr<QTextLayout> layoutOf(const QTextDocument& document, const QTextBlock& block,
                                      const QString& text, const Stretches& formats) {
    if (formats.size() == 1)
        return newLayout(document, block, text, formats.first().format.font());
    QList<QTextLayout::FormatRange> ranges;
    int start = 0;
    for (const Stretch& stretch : stretchesOf(text)) {
        ranges.append({start, stretch.length, formats.at(ranges.size()).format});
        start += stretch.length;
    }
    auto layout = newLayout(document, block, text, document.defaultFont());
    layout->setFormats(ranges);
    return layout;
}

// Whether a text has stretches like those of a paragraph.
bool sameStretches(const QString& text, const Stretches& formats) {
    const QList<Stretch> stretches = stretchesOf(text);
    return stretches.size() == formats.size() &&
           std::equal(
               stretches.begin(), stretches.end(), formats.begin(),
               [](const Stretch& a, const Stretch& b) { return a.lineBreak == b.lineBreak; });
}

// What tells two cells' paragraphs apart: their text, the formats of its stretches, the
// paragraph's format and the cell's.
QString keyOf(const QTextBlock& block, const QString& text, int look, int column) {
    QString key = text;
    key += QChar(0x1f) + QString::number(block.blockFormatIndex()) + QLatin1Char(':') +
           QString::number(block.charFormatIndex()) + QLatin1Char(':') + QString::number(look) +
           QLatin1Char(':') + QString::number(column);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        key += QLatin1Char(';') + QString::number(fragment.charFormatIndex());
        if (text == block.text())
            key += QLatin1Char(',') + QString::number(fragment.length());
    }
    return key;
}

// The colour most of the rows have.
QColor usualOf(const QList<QColor>& colours) {
    QHash<QRgb, int> counts;
    QColor usual;
    int best = 0;
    for (const QColor& colour : colours) {
        const int count = ++counts[colour.rgba()];
        if (count > best) {
            best = count;
            usual = colour;
        }
    }
    return usual;
}

// The tables standing in the document's flow, in order.
QList<QTextTable*> outerTablesOf(const QTextDocument& document) {
    QList<QTextTable*> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.append(table);
    }
    return tables;
}

// The toolkit puts an empty paragraph after a table unless the table's last cell is empty;
// the table without its body rows must end as the whole table does. False when it cannot.
bool endLikeTheWholeTable(QTextDocument& document, const QTextTable& table, bool lastCellEmpty) {
    const QTextTableCell last = table.cellAt(table.rows() - 1, table.columns() - 1);
    const bool lastHereEmpty = last.firstPosition() == last.lastPosition();
    if (lastHereEmpty == lastCellEmpty)
        return true;
    if (lastHereEmpty)
        return false;
    auto item = document.rootFrame()->begin();
    while (!item.atEnd() && item.currentFrame() != &table) ++item;
    if (item.atEnd())
        return false;
    const QTextBlock empty = (++item).currentBlock();
    const QTextBlock next = empty.next();
    if (!empty.isValid() || empty.length() != 1 || item.atEnd() ||
        !(++item).currentBlock().isValid() || next != item.currentBlock())
        return false;
    const QTextBlockFormat blockFormat = next.blockFormat();
    const QTextCharFormat charFormat = next.charFormat();
    QTextCursor cursor(&document);
    cursor.setPosition(empty.position());
    cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(charFormat);
    return true;
}

}  // namespace

GridBody::GridBody() = default;
GridBody::~GridBody() = default;

GridBody::Bodies GridBody::read(const QTextDocument& document, const QList<PreparedTable>& tables,
                                const QString& html, const QList<HtmlTable>& written,
                                const QList<QList<int>>& sampleOf) {
    Bodies bodies;
    const QList<QTextTable*> outer = outerTablesOf(document);
    if (outer.size() != written.size() || sampleOf.size() != written.size())
        return bodies;
    for (const PreparedTable& prepared : tables) {
        if (!qualifies(document, prepared))
            continue;
        auto body = std::unique_ptr<GridBody>(new GridBody);
        body->tableIndex_ = int(outer.indexOf(prepared.table));
        if (body->tableIndex_ >= 0 &&
            body->readRows(document, prepared, html, written.at(body->tableIndex_),
                           sampleOf.at(body->tableIndex_)))
            bodies.push_back(std::move(body));
    }
    return bodies;
}

bool GridBody::readRows(const QTextDocument& document, const PreparedTable& prepared,
                        const QString& html, const HtmlTable& written, const QList<int>& sampleOf) {
    const QTextTable& table = *prepared.table;
    firstRow_ = std::max(1, table.format().headerRowCount());
    columns_ = table.columns();
    lineWidth_ = prepared.lineWidth;
    const int rows = int(written.rows.size());
    if (firstRow_ >= rows || sampleOf.size() != rows ||
        *std::max_element(sampleOf.begin(), sampleOf.end()) != table.rows() - 1)
        return false;
    for (const int sample : sampleOf) rowColours_.append(prepared.rowColours.at(sample));
    usualColour_ = usualOf(rowColours_);
    PlainFormats formats(document);
    QHash<QString, int> texts;
    QHash<int, int> looks;  // by the cell format's index in the document
    for (int row = firstRow_; row < rows; ++row) {
        const HtmlRow& writtenRow = written.rows.at(row);
        if (writtenRow.cells.size() != columns_)
            return false;
        for (int column = 0; column < columns_; ++column) {
            const QTextTableCell cell = table.cellAt(sampleOf.at(row), column);
            const QTextBlock block = document.findBlock(cell.firstPosition());
            if (!block.isValid() || block.position() + block.length() - 1 != cell.lastPosition() ||
                !formats.plain(block))
                return false;
            const int format = cell.tableCellFormatIndex();
            auto look = looks.find(format);
            if (look == looks.end()) {
                const QTextTableCellFormat cellFormat = gridCellFormat(
                    formats.cellFormat(format), table.format().cellPadding(), lineWidth_);
                const QBrush background = cellFormat.background();
                if (background.style() != Qt::NoBrush && background.style() != Qt::SolidPattern)
                    return false;
                looks_.append(Look{background, cellFormat.leftPadding(), cellFormat.topPadding(),
                                   cellFormat.rightPadding(), cellFormat.bottomPadding()});
                look = looks.insert(format, int(looks_.size()) - 1);
            }
            // A cell of plain text has its own text in the formats of the row standing for it;
            // any other is as that row's.
            const HtmlCell& writtenCell = writtenRow.cells.at(column);
            std::optional<QString> text = plainText(QStringView(html).mid(
                writtenCell.contentStart, writtenCell.contentEnd - writtenCell.contentStart));
            std::optional<Stretches> plain;
            if (text && !text->isEmpty()) {
                plain = stretchFormatsOf(block);
                if (!plain || !sameStretches(*text, *plain))
                    return false;
            } else {
                text = block.text();
            }
            const QString key = keyOf(block, *text, look.value(), column);
            auto known = texts.find(key);
            if (known == texts.end()) {
                texts_.push_back(Text{
                    plain ? layoutOf(document, block, *text, *plain) : layoutOf(document, block),
                    column, look.value(), 0});
                known = texts.insert(key, int(texts_.size()) - 1);
            }
            cells_.push_back(Cell{known.value(), look.value()});
            lastCellEmpty_ = text->isEmpty();
        }
    }
    return true;
}

QString GridBody::withoutRows(const QString& html, const QList<HtmlTable>& written,
                              const Bodies& bodies) {
    QString rest;
    qsizetype from = 0;
    for (const auto& body : bodies) {
        const HtmlTable& table = written.at(body->tableIndex_);
        rest += QStringView(html).mid(from, table.rows.at(body->firstRow_).start - from);
        from = table.end;
    }
    rest += QStringView(html).mid(from);
    return rest;
}

bool GridBody::attach(const Bodies& bodies, QTextDocument& document, QList<PreparedTable>& tables) {
    const QList<QTextTable*> outer = outerTablesOf(document);
    for (const auto& body : bodies) {
        QTextTable* table = outer.value(body->tableIndex_);
        const auto prepared = std::find_if(tables.begin(), tables.end(),
                                           [&](const auto& each) { return each.table == table; });
        if (table == nullptr || table->rows() != body->firstRow_ ||
            table->columns() != body->columns_ || prepared == tables.end() || !prepared->grid ||
            prepared->lineWidth != body->lineWidth_)
            return false;
        if (!endLikeTheWholeTable(document, *table, body->lastCellEmpty_))
            return false;
        // The lines of the rows laid out here are painted with the table's.
        prepared->rowColours = body->rowColours_;
        prepared->usualColour = body->usualColour_;
        body->table_ = table;
    }
    return true;
}

bool GridBody::layOut(QTextDocument& document) {
    // A column's width: what the toolkit gave the text of the last row that stayed, with the
    // cell's padding.
    QList<double> widths;
    for (int column = 0; column < columns_; ++column) {
        const QTextTableCell cell = table_->cellAt(firstRow_ - 1, column);
        const QTextBlock block = document.findBlock(cell.firstPosition());
        if (!plainFormat(block.blockFormat()) || !plainText(block) || block.layout() == nullptr ||
            block.layout()->lineCount() == 0)
            return false;
        const QTextTableCellFormat format = cell.format().toTableCellFormat();
        widths.append(block.layout()->lineAt(0).width() + format.leftPadding() +
                      format.rightPadding());
    }
    for (Text& text : texts_) {
        const Look& look = looks_.at(text.look);
        const double width = widths.at(text.column) - look.left - look.right;
        QTextLayout& layout = *text.layout;
        double y = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += lineHeight(line);
        }
        layout.endLayout();
        if (layout.minimumWidth() > width + 1.0 / 64)
            return false;
        text.height = y;
    }
    heights_.clear();
    double total = 0;
    for (std::size_t start = 0; start < cells_.size(); start += columns_) {
        double height = 0;
        for (int column = 0; column < columns_; ++column) {
            const Cell& cell = cells_[start + column];
            const Look& look = looks_.at(cell.look);
            height = std::max(height, look.top + texts_[cell.text].height + look.bottom);
        }
        heights_.append(height);
        total += height;
    }
    QTextTableFormat format = table_->format();
    format.setBottomMargin(format.bottomMargin() + total);
    table_->setFormat(format);
    return true;
}

void GridBody::extend(TableRows& rows) const {
    double top = rows.bottom;
    for (const double height : heights_) {
        rows.tops.append(top);
        top += height;
    }
    rows.bottom = top;
}

void GridBody::paintRows(QPainter& painter, const QList<double>& tops, int first, int last,
                         const QList<double>& columnLefts, double right, const QRectF& clip) const {
    painter.save();
    painter.setPen(Qt::black);
    for (int row = std::max(first, firstRow_); row <= last; ++row) {
        const double top = tops.at(row);
        const double height = heights_.at(row - firstRow_);
        for (int column = 0; column < columns_; ++column) {
            const Cell& cell = cells_[std::size_t(row - firstRow_) * columns_ + column];
            const Look& look = looks_.at(cell.look);
            const double left = columnLefts.at(column);
            const double end = column + 1 < columns_ ? columnLefts.at(column + 1) : right;
            if (look.background.style() != Qt::NoBrush)
                painter.fillRect(QRectF(left, top, end - left, height), look.background);
            const QPointF origin(left + look.left, top + look.top);
            const QTextLayout& layout = *texts_[cell.text].layout;
            const QRectF box = layout.boundingRect().translated(origin);
            if (box.bottom() >= clip.top() && box.top() <= clip.bottom())
                layout.draw(&painter, origin, {}, clip);
        }
    }
    painter.restore();
}

}  // namespace reports
