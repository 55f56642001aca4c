#include "reports/report_document.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "common/date_literal.h"
#include "reports/report_error.h"
#include "reports/report_layout.h"

namespace reports {

namespace {

constexpr double kFooterHeightMm = 6.0;

double toLayout(double millimetres) {
    return millimetres / 25.4 * kLayoutDpi;
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

const RenderedReport::Parts& RenderedReport::layOut(const QSizeF& size,
                                                    const Progress& progress) const {
    if (laidOut_ && laidOutSize_ == size)
        return *laidOut_;
    auto parts = std::make_shared<Parts>();
    const int count = int(htmlParts_.size());
    for (const QString& html : htmlParts_) {
        parts->push_back(std::make_unique<LaidOutPart>(html, size));
        common::report(progress, int(parts->size()), count);
    }
    laidOut_ = std::move(parts);
    laidOutSize_ = size;
    return *laidOut_;
}

int RenderedReport::print(QPagedPaintDevice& device) const {
    const QSizeF paper = device.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const QSizeF size = contentSize(paper);
    const Parts& parts = layOut(size);
    int total = 0;
    for (const auto& part : parts) total += part->pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        throw Error(
            QStringLiteral("Η εκτύπωση της αναφοράς %1 δεν μπόρεσε να ξεκινήσει").arg(sourcePath_));
    const double scale = device.logicalDpiX() / kLayoutDpi;
    painter.scale(scale, device.logicalDpiY() / kLayoutDpi);
    const QRectF content(
        QPointF(toLayout(pageSetup_.margins.left()), toLayout(pageSetup_.margins.top())), size);
    const QString date =
        QStringLiteral("Ημερομηνία εκτύπωσης: %1").arg(common::shortDate(printDate_));
    int printed = 0;
    for (const auto& part : parts) {
        for (int page = 0; page < part->pageCount(); ++page) {
            if (printed > 0)
                device.newPage();
            ++printed;
            painter.save();
            painter.translate(content.topLeft());
            part->drawPage(painter, page);
            painter.restore();
            if (pageSetup_.footer) {
                drawFooter(painter, content, date,
                           QStringLiteral("Σελίδα %1 από %2").arg(printed).arg(total));
            }
        }
    }
    return printed;
}

int RenderedReport::pageCount(const Progress& progress) const {
    const QSizeF paper = pageSetup_.paperLayout().fullRect(QPageLayout::Millimeter).size();
    int total = 0;
    for (const auto& part : layOut(contentSize(paper), progress)) total += part->pageCount();
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
