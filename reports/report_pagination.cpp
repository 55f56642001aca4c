#include "reports/report_pagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <deque>

#include "reports/report_table_rows.h"

namespace reports {

namespace {

// A table's heading rows, printed again above the rows that continue the table on a new page;
// `overlap` is the line they share with the row under them.
struct Heading {
    double top = 0;
    double bottom = 0;
    double overlap = 0;

    double height() const { return bottom - top; }
};

// A stretch of the document a page break may not cut: a line of text, a table row (with the
// rows its cells span), any other frame. Positions are the document's, to find the lines
// inside when the stretch alone is taller than a page.
struct Band {
    double top = 0;
    double bottom = 0;
    int firstPosition = 0;
    int lastPosition = 0;
    bool breakBefore = false;
    bool breakAfter = false;
    const Heading* heading = nullptr;  // repeated when the band opens a page
};

struct Flow {
    std::deque<Heading> headings;  // stable addresses for the bands
    QList<Band> bands;
};

bool breaksBefore(const QTextFormat& format) {
    return format.intProperty(QTextFormat::PageBreakPolicy) & QTextFormat::PageBreak_AlwaysBefore;
}

bool breaksAfter(const QTextFormat& format) {
    return format.intProperty(QTextFormat::PageBreakPolicy) & QTextFormat::PageBreak_AlwaysAfter;
}

void addLines(const QTextDocument& document, const QTextBlock& block, Flow& flow) {
    const QTextLayout* layout = block.layout();
    if (!block.isVisible() || layout == nullptr || layout->lineCount() == 0)
        return;
    const double top = document.documentLayout()->blockBoundingRect(block).top();
    const QTextBlockFormat format = block.blockFormat();
    const int last = block.position() + block.length() - 1;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        Band band{top + line.y(), top + line.y() + line.height(), block.position(), last};
        band.breakBefore = i == 0 && breaksBefore(format);
        band.breakAfter = i == layout->lineCount() - 1 && breaksAfter(format);
        flow.bands.append(band);
    }
}

// Row groups: a row with the rows its cells reach into.
QList<std::pair<int, int>> rowGroups(const TableRows& rows, int first) {
    QList<std::pair<int, int>> groups;
    const int count = int(rows.tops.size());
    for (int row = first; row < count;) {
        int last = row;
        for (int k = row; k <= last && !rows.lastRowReached.isEmpty(); ++k)
            last = std::max(last, rows.lastRowReached.at(k));
        groups.append({row, last});
        row = last + 1;
    }
    return groups;
}

void addTable(QTextTable& table, LaidOutTables& tables, Flow& flow) {
    const TableRows& rows = tables.rows(table);
    const int count = int(rows.tops.size());
    if (count == 0)
        return;
    const int headingRows = std::clamp(table.format().headerRowCount(), 0, count - 1);
    const Heading* heading = nullptr;
    if (headingRows > 0) {
        flow.headings.push_back(
            Heading{rows.rowTop(0), rows.rowBottom(headingRows - 1), rows.above + rows.below});
        heading = &flow.headings.back();
    }
    // Rows laid out outside the document (GridBody) have no text in it.
    const auto startOf = [&](int row) {
        return row < table.rows() ? table.cellAt(row, 0).firstPosition() : table.lastPosition();
    };
    const QList<std::pair<int, int>> groups = rowGroups(rows, headingRows);
    for (int i = 0; i < groups.size(); ++i) {
        const auto [first, last] = groups.at(i);
        // The heading goes with the first row: it is never printed alone at a page's foot.
        const int top = i == 0 ? 0 : first;
        Band band{rows.rowTop(top), rows.rowBottom(last), startOf(top),
                  last + 1 < count ? startOf(last + 1) - 1 : table.lastPosition()};
        band.heading = i == 0 ? nullptr : heading;
        flow.bands.append(band);
    }
    flow.bands[flow.bands.size() - groups.size()].breakBefore = breaksBefore(table.format());
    flow.bands.last().breakAfter = breaksAfter(table.format());
}

Flow flowOf(const QTextDocument& document, LaidOutTables& tables) {
    Flow flow;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        QTextFrame* frame = it.currentFrame();
        if (frame == nullptr) {
            addLines(document, it.currentBlock(), flow);
        } else if (auto* table = qobject_cast<QTextTable*>(frame)) {
            addTable(*table, tables, flow);
        } else {
            const QRectF box = document.documentLayout()->frameBoundingRect(frame);
            Band band{box.top(), box.bottom(), frame->firstPosition(), frame->lastPosition()};
            band.breakBefore = breaksBefore(frame->frameFormat());
            band.breakAfter = breaksAfter(frame->frameFormat());
            flow.bands.append(band);
        }
    }
    return flow;
}

// The lowest place above `limit` where a band too tall for a page can be cut without cutting
// a line of text, or `limit` itself when there is none below `from`.
double cutInside(const QTextDocument& document, const Band& band, double from, double limit) {
    struct Line {
        double top;
        double bottom;
    };
    QList<Line> lines;
    for (QTextBlock block = document.findBlock(band.firstPosition);
         block.isValid() && block.position() <= band.lastPosition; block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!block.isVisible() || layout == nullptr)
            continue;
        const double top = document.documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(Line{top + line.y(), top + line.y() + line.height()});
        }
    }
    const auto cuts = [&](double y) {
        return std::none_of(lines.begin(), lines.end(),
                            [y](const Line& line) { return line.top < y && y < line.bottom; });
    };
    double best = from;
    for (const Line& line : lines) {
        if (line.bottom > best && line.bottom <= limit && cuts(line.bottom))
            best = line.bottom;
    }
    return best > from + 1 ? best : limit;
}

class PageBuilder {
public:
    PageBuilder(const QTextDocument& document, double height)
        : document_(document), height_(height) {}

    void place(Band band) {
        if ((band.breakBefore || breakPending_) && !empty_)
            startPage(band);
        breakPending_ = band.breakAfter;
        while (!fits(band)) {
            if (empty_) {  // alone taller than the page: cut between its lines
                const double cut = cutInside(document_, band, open_.top, limitOfPage());
                open_.bottom = cut;
                band.top = cut;
            }
            startPage(band);
        }
        open_.bottom = std::max(open_.bottom, band.bottom);
        empty_ = false;
    }

    QList<PageSlices> finish() {
        closePage();
        return pages_;
    }

private:
    double limitOfPage() const { return open_.top + height_ - open_.at; }
    bool fits(const Band& band) const { return band.bottom <= limitOfPage() + 0.01; }

    void closePage() {
        PageSlices page;
        if (open_.bottom > open_.top)
            page.append(open_);
        if (heading_ != nullptr)  // last, so that its lower line lies over the row's
            page.append(Slice{heading_->top, heading_->bottom, 0});
        pages_.append(page);
    }

    void startPage(const Band& band) {
        closePage();
        heading_ = band.heading != nullptr && band.heading->height() < height_ / 2 ? band.heading
                                                                                   : nullptr;
        const double at = heading_ != nullptr ? heading_->height() - heading_->overlap : 0.0;
        open_ = Slice{band.top, band.top, at};
        empty_ = true;
    }

    const QTextDocument& document_;
    double height_;
    QList<PageSlices> pages_;
    Slice open_;
    const Heading* heading_ = nullptr;
    bool empty_ = true;
    bool breakPending_ = false;
};

}  // namespace

QList<PageSlices> paginate(const QTextDocument& document, double pageHeight,
                           LaidOutTables& tables) {
    if (pageHeight <= 0)  // no room for text: everything on one page, as far as it shows
        return {PageSlices{Slice{0, document.documentLayout()->documentSize().height(), 0}}};
    const Flow flow = flowOf(document, tables);
    PageBuilder builder(document, pageHeight);
    for (const Band& band : flow.bands) builder.place(band);
    return builder.finish();
}

}  // namespace reports
