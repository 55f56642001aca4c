// The program's output: a run opens a modal print preview of the report on the report's own
// paper, drawn by the same routine as the PDF files, and returns when the preview is closed.

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include "fixture_data.h"
#include "report_test_support.h"
#include "reports/report_engine.h"
#include "reports/report_preview.h"

namespace {

struct Seen {
    bool shown = false;
    QString title;
    int pages = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString paper;
    bool savesPdf = false;
};

// Looks at the preview once it is on screen, then closes it as the staff would.
void inspectPreview(Seen& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        seen.shown = true;
        seen.title = dialog->windowTitle();
        if (auto* pages = dialog->findChild<QPrintPreviewWidget*>())
            seen.pages = pages->pageCount();
        seen.orientation = dialog->printer()->pageLayout().orientation();
        seen.paper = dialog->printer()->pageLayout().pageSize().key();
        for (const QAction* action : dialog->findChildren<QAction*>())
            seen.savesPdf = seen.savesPdf || action->text() == QStringLiteral("Αποθήκευση σε PDF");
        dialog->reject();
    });
}

TEST(ReportPreview, RunShowsTheReportOnItsPaperAndReturnsWhenThePreviewCloses) {
    reporttest::ensureApplication();
    reporttest::FixedToday today(QDate(2024, 3, 15));
    const QList<reports::DataSet> search =
        fixtures::readDataSets(reporttest::fixtureFile(QStringLiteral("EREYNA")));
    const reports::RenderedReport report =
        reports::render(reporttest::reportFile(QStringLiteral("EREYNA.rav")), search);

    Seen seen;
    inspectPreview(seen);
    reports::PreviewOutput().deliver(report);

    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.title.endsWith(QStringLiteral("Λίστα παιδιών"))) << seen.title.toStdString();
    EXPECT_EQ(seen.pages, report.pageCount());
    EXPECT_GE(seen.pages, 3);
    EXPECT_EQ(seen.orientation, QPageLayout::Landscape);
    EXPECT_EQ(seen.paper, QStringLiteral("A4"));
    EXPECT_TRUE(seen.savesPdf);

    // With no other output in force, a run goes to the same preview.
    Seen viaRun;
    inspectPreview(viaRun);
    reports::run(reporttest::reportFile(QStringLiteral("EREYNA.rav")), search);
    EXPECT_TRUE(viaRun.shown);
}

}  // namespace
