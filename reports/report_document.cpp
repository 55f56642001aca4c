#include "reports/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "reports/report_error.h"
#include "reports/report_pagination.h"

namespace reports {

namespace {

// Reports are laid out in pixels of 1/96 inch, whatever the device, so that sizes written in
// the report files (px) mean the same on screen, paper and PDF.
constexpr double kLayoutDpi = 96.0;
constexpr double kFooterHeightMm = 6.0;

double toLayout(double millimetres) {
    return millimetres / 25.4 * kLayoutDpi;
}

// The paint device every report is laid out for: fonts are measured at the layout resolution.
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

std::unique_ptr<QTextDocument> makeDocument(const QString& html, double width, double height) {
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(layoutDevice());
    document->setDocumentMargin(0);
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document->setPageSize(QSizeF(width, height));
    document->setHtml(html);
    keepTableRowsTogether(*document);
    return document;
}

void drawPage(QPainter& painter, QTextDocument& document, int page, const QRectF& content) {
    const double pageHeight = content.height();
    painter.save();
    painter.translate(content.left(), content.top() - page * pageHeight);
    const QRectF view(0, page * pageHeight, content.width(), pageHeight);
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

void drawFooter(QPainter& painter, const QRectF& content, const QString& left,
                const QString& right) {
    const double top = content.bottom() + toLayout(kFooterHeightMm) * 0.5;
    painter.save();
    painter.setPen(QPen(QColor(120, 120, 120), 0.75));
    painter.drawLine(QPointF(content.left(), top), QPointF(content.right(), top));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(QColor(70, 70, 70));
    const QRectF line(content.left(), top + 2, content.width(), toLayout(kFooterHeightMm));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, left);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, right);
    painter.restore();
}

}  // namespace

RenderedReport::RenderedReport(QString sourcePath, QString title, PageSetup pageSetup,
                               QStringList htmlParts, QDate printDate)
    : sourcePath_(std::move(sourcePath)),
      title_(std::move(title)),
      pageSetup_(std::move(pageSetup)),
      htmlParts_(std::move(htmlParts)),
      printDate_(printDate) {}

QSizeF RenderedReport::contentSize(const QSizeF& paperMillimetres) const {
    const QMarginsF& margins = pageSetup_.margins;
    double height = paperMillimetres.height() - margins.top() - margins.bottom();
    if (pageSetup_.footer)
        height -= kFooterHeightMm;
    return QSizeF(toLayout(paperMillimetres.width() - margins.left() - margins.right()),
                  toLayout(height));
}

const RenderedReport::Documents& RenderedReport::layOut(const QSizeF& size) const {
    if (laidOut_ && laidOutSize_ == size)
        return *laidOut_;
    auto documents = std::make_shared<Documents>();
    for (const QString& html : htmlParts_)
        documents->push_back(makeDocument(html, size.width(), size.height()));
    laidOut_ = std::move(documents);
    laidOutSize_ = size;
    return *laidOut_;
}

int RenderedReport::print(QPagedPaintDevice& device) const {
    const QSizeF paper = device.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const QSizeF size = contentSize(paper);
    const Documents& documents = layOut(size);
    int total = 0;
    for (const auto& document : documents) total += document->pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        throw Error(
            QStringLiteral("Η εκτύπωση της αναφοράς %1 δεν μπόρεσε να ξεκινήσει").arg(sourcePath_));
    const double scale = device.logicalDpiX() / kLayoutDpi;
    painter.scale(scale, device.logicalDpiY() / kLayoutDpi);
    const QRectF content(
        QPointF(toLayout(pageSetup_.margins.left()), toLayout(pageSetup_.margins.top())), size);
    const QString date = QStringLiteral("Ημερομηνία εκτύπωσης: %1")
                             .arg(printDate_.toString(QStringLiteral("dd/MM/yyyy")));
    int printed = 0;
    for (const auto& document : documents) {
        for (int page = 0; page < document->pageCount(); ++page) {
            if (printed > 0)
                device.newPage();
            ++printed;
            drawPage(painter, *document, page, content);
            if (pageSetup_.footer) {
                drawFooter(painter, content, date,
                           QStringLiteral("Σελίδα %1 από %2").arg(printed).arg(total));
            }
        }
    }
    return printed;
}

int RenderedReport::pageCount() const {
    const QSizeF paper = pageSetup_.paperLayout().fullRect(QPageLayout::Millimeter).size();
    int total = 0;
    for (const auto& document : layOut(contentSize(paper))) total += document->pageCount();
    return total;
}

QString RenderedReport::plainText() const {
    QStringList texts;
    for (const QString& html : htmlParts_) {
        QTextDocument document;
        document.setHtml(html);
        texts.append(document.toPlainText());
    }
    return texts.join(QLatin1Char('\f'));
}

}  // namespace reports
