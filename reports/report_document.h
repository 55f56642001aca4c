#pragma once

#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "reports/report_page_setup.h"
#include "reports/report_progress.h"

class QPagedPaintDevice;

namespace reports {

class LaidOutPart;

// A report filled with its data: HTML parts, each starting on a new page, and the paper they
// were written for. print() is the one routine that draws it, for the preview, the printer
// and PDF files alike: it lays the parts out on the device's paper inside the report's
// margins and adds the footer (print date, "Σελίδα N από M") to every page.
class RenderedReport {
public:
    RenderedReport(QString sourcePath, QString title, PageSetup pageSetup, QStringList htmlParts,
                   QDate printDate);

    // The report file it comes from, and the name of the print job.
    QString sourcePath() const { return sourcePath_; }
    QString title() const { return title_; }
    const PageSetup& pageSetup() const { return pageSetup_; }
    QStringList htmlParts() const { return htmlParts_; }

    // Paints every page on the device (a QPrinter, a QPdfWriter), calling newPage() between
    // pages; returns the number of pages. Throws reports::Error when the device cannot be
    // painted on.
    int print(QPagedPaintDevice& device) const;

    // Pages on the report's own paper, and the text of all parts in order. The parts are laid
    // out once for that paper; `progress` counts them as they are.
    int pageCount(const Progress& progress = {}) const;
    QString plainText() const;

private:
    using Parts = std::vector<std::unique_ptr<LaidOutPart>>;
    // The parts laid out for a content size; the last layout is kept, since the preview
    // paints the same paper several times.
    const Parts& layOut(const QSizeF& contentSize, const Progress& progress = {}) const;
    QSizeF contentSize(const QSizeF& paperMillimetres) const;

    QString sourcePath_;
    QString title_;
    PageSetup pageSetup_;
    QStringList htmlParts_;
    QDate printDate_;
    mutable QSizeF laidOutSize_;
    mutable std::shared_ptr<Parts> laidOut_;
};

}  // namespace reports
