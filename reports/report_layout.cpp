#include "reports/report_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "reports/report_grid_body.h"
#include "reports/report_grid_painter.h"
#include "reports/report_html_tables.h"
#include "reports/report_table_rows.h"

namespace reports {

namespace {

QPaintDevice* layoutDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(kLayoutDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

// Reads the HTML without laying it out: the toolkit lays a document out on every change
// once it has a page size, and a null one keeps it from doing so.
std::unique_ptr<QTextDocument> readDocument(const QString& html) {
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(layoutDevice());
    document->setDocumentMargin(0);
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document->setPageSize(QSizeF(0, 0));
    document->setUndoRedoEnabled(false);
    document->setHtml(html);
    return document;
}

}  // namespace

LaidOutPart::LaidOutPart(const QString& html, const QSizeF& pageSize) : width_(pageSize.width()) {
    read(html);
    laidOut_ = std::make_unique<LaidOutTables>(*document_, tables_, bodies_);
    pages_ = paginate(*document_, pageSize.height(), *laidOut_);
    grids_ = std::make_unique<GridPainter>(*document_, tables_, *laidOut_);
}

void LaidOutPart::read(const QString& html) {
    // A long list's rows are read from the report with its repeated kinds of rows left out;
    // should the list not qualify after all, the report is read whole.
    const QList<HtmlTable> written = outerTables(html);
    const SampledRows sampled = sampleRows(html, written);
    auto source = readDocument(sampled.html);
    QList<PreparedTable> sourceTables = readTables(*source);
    std::vector<std::unique_ptr<GridBody>> bodies =
        GridBody::read(*source, sourceTables, html, written, sampled.sampleOf);
    if (!bodies.empty()) {
        document_ = readDocument(GridBody::withoutRows(html, written, bodies));
        tables_ = prepareTables(*document_);
        if (GridBody::attach(bodies, *document_, tables_) && layOut(bodies)) {
            bodies_ = std::move(bodies);
            return;
        }
    }
    // The toolkit lays everything out.
    if (sampled.html.size() != html.size()) {
        source = readDocument(html);
        sourceTables = readTables(*source);
    }
    takeBordersOff(*source, sourceTables);
    document_ = std::move(source);
    tables_ = std::move(sourceTables);
    layOut({});
}

bool LaidOutPart::layOut(const std::vector<std::unique_ptr<GridBody>>& bodies) {
    // The shaped text is kept after the layout, so that drawing does not shape it again.
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    // A negative height lays the text out as one long page, without the toolkit's own page
    // breaks, which would split rows and repeat headings where the pages here do not fall.
    document_->setPageSize(QSizeF(width_, -1));
    document_->documentLayout()->documentSize();
    if (bodies.empty())
        return true;
    for (const auto& body : bodies) {
        if (!body->layOut(*document_))
            return false;
    }
    document_->documentLayout()->documentSize();  // again, with room under the tables for them
    return true;
}

LaidOutPart::~LaidOutPart() = default;

const TableRows& LaidOutPart::rowsOf(QTextTable& table) const {
    return laidOut_->rows(table);
}

void LaidOutPart::drawPage(QPainter& painter, int page) const {
    for (const Slice& slice : pages_.at(page)) {
        const QRectF part(0, slice.top, width_, slice.bottom - slice.top);
        painter.save();
        painter.translate(0, slice.at - slice.top);
        for (const QRectF& piece : grids_->partsForToolkit(part)) {
            painter.setClipRect(piece);
            QAbstractTextDocumentLayout::PaintContext context;
            // A paragraph ending where the piece starts is left out altogether: the toolkit
            // would draw it, clipped away on paper but still in the PDF's text.
            context.clip = piece.adjusted(0, 0.01, 0, -0.01);
            context.palette.setColor(QPalette::Text, Qt::black);
            document_->documentLayout()->draw(&painter, context);
        }
        painter.setClipRect(part);
        grids_->paint(painter, part);
        painter.restore();
    }
}

}  // namespace reports
