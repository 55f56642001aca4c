#include "reports/report_preview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

#include "reports/report_document.h"
#include "reports/report_error.h"

namespace reports {

namespace {

QString suggestedPdfPath(const RenderedReport& report) {
    QString name = report.title().isEmpty() ? QStringLiteral("Αναφορά") : report.title();
    for (const QChar forbidden : QStringLiteral("/\\:*?\"<>|"))
        name.replace(forbidden, QLatin1Char(' '));
    return QDir::home().filePath(name.simplified() + QStringLiteral(".pdf"));
}

void savePdf(QWidget* parent, const RenderedReport& report) {
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Αποθήκευση σε PDF"),
                                                      suggestedPdfPath(report),
                                                      QStringLiteral("Αρχεία PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        writePdf(report, path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                             ? path
                             : path + QStringLiteral(".pdf"));
    } catch (const Error& error) {
        QMessageBox::warning(parent, QStringLiteral("Αποθήκευση σε PDF"), error.message());
    }
}

void addSavePdfAction(QPrintPreviewDialog& dialog, const RenderedReport& report) {
    auto* toolBar = dialog.findChild<QToolBar*>();
    if (toolBar == nullptr)
        return;
    toolBar->addSeparator();
    QAction* action = toolBar->addAction(dialog.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                         QStringLiteral("Αποθήκευση σε PDF"));
    QObject::connect(action, &QAction::triggered, &dialog,
                     [&dialog, &report] { savePdf(&dialog, report); });
}

}  // namespace

void PreviewOutput::deliver(const RenderedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(report.pageSetup().paperLayout());
    printer.setDocName(report.title());

    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.resize(1000, 760);
    // The toolkit calls this from its event loop, which an exception must not cross: a
    // printer that cannot be drawn on is reported here and the preview stays open.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&dialog, &report](QPrinter* target) {
                         try {
                             report.print(*target);
                         } catch (const Error& error) {
                             QMessageBox::warning(&dialog, QStringLiteral("Εκτύπωση"),
                                                  error.message());
                         }
                     });
    addSavePdfAction(dialog, report);
    dialog.exec();
}

}  // namespace reports
