// How the report engine lays a report out on pages: tables with collapsed borders are laid out
// exactly where the toolkit lays them out and their lines drawn in its places; pages break
// between lines of text and between table rows, never inside a row, with a table's heading
// printed again at the top of each page it continues on and page breaks where asked for.

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include "report_test_support.h"
#include "reports/report_layout.h"
#include "reports/report_table_rows.h"

namespace {

using reports::LaidOutPart;
using reports::PageSlices;
using reports::Slice;

QString page(const QString& style, const QString& body) {
    return QStringLiteral(
               "<html><head><style>body { font-family: \"DejaVu Sans\"; font-size: 8pt; }"
               "%1</style></head><body>%2</body></html>")
        .arg(style, body);
}

const QString kListStyle = QStringLiteral(
    "table.list { border-collapse: collapse; }"
    "table.list th { background-color: #dfe7f0; border: 1px solid #6b7b8c; padding: 3px; }"
    "table.list td { border: 1px solid #a7b1bc; padding: 2px 3px; }");

// A list of children: a heading row and `rows` rows, every third of them on two lines.
QString listOf(int rows) {
    QString html = QStringLiteral(
        "<p>ΚΑΤΑΛΟΓΟΣ ΠΑΙΔΙΩΝ</p><table class=\"list\" width=\"100%\" "
        "cellspacing=\"0\"><thead><tr><th width=\"10%\">α/α</th>"
        "<th width=\"50%\">Όνομα</th><th width=\"40%\">Διεύθυνση</th>"
        "</tr></thead><tbody>");
    for (int row = 1; row <= rows; ++row) {
        html += QStringLiteral("<tr%1><td>%2</td><td>Παιδί %2</td><td>Οδός %2%3</td></tr>")
                    .arg(row % 2 == 0 ? QStringLiteral(" bgcolor=\"#f4f7fa\"") : QString())
                    .arg(row)
                    .arg(row % 3 == 0 ? QStringLiteral("<br/>Λευκωσία") : QString());
    }
    return html + QStringLiteral("</tbody></table><p>Σύνολο: %1 παιδιά</p>").arg(rows);
}

QTextTable* firstTable(const QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    }
    return nullptr;
}

// Where the text of a document range lies: from the top of its first line to the bottom of
// its last.
struct Extent {
    double top = 1e12;
    double bottom = -1e12;
};

Extent textOf(const QTextDocument& document, int from, int to) {
    Extent extent;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QRectF rect = document.documentLayout()->blockBoundingRect(block);
        extent.top = std::min(extent.top, rect.top());
        extent.bottom = std::max(extent.bottom, rect.bottom());
    }
    return extent;
}

Extent rowText(const QTextDocument& document, QTextTable& table, int row) {
    return textOf(document, table.cellAt(row, 0).firstPosition(),
                  table.cellAt(row, table.columns() - 1).lastPosition());
}

// The pages (by index) whose slices hold the whole extent; pages holding only a part of it
// count as -1.
QList<int> pagesHolding(const QList<PageSlices>& pages, const Extent& extent) {
    QList<int> holding;
    for (int index = 0; index < pages.size(); ++index) {
        for (const Slice& slice : pages.at(index)) {
            const bool whole = slice.top <= extent.top && extent.bottom <= slice.bottom;
            const bool part = slice.top < extent.bottom && extent.top < slice.bottom;
            if (whole)
                holding.append(index);
            else if (part)
                holding.append(-1);
        }
    }
    return holding;
}

// The same document as the toolkit lays it out on its own, collapsed borders and all.
std::unique_ptr<QTextDocument> toolkitLayout(const QString& html, double width) {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(96 / 0.0254));
        image.setDotsPerMeterY(qRound(96 / 0.0254));
        return image;
    }();
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    document->setDocumentMargin(0);
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document->setHtml(html);
    document->setPageSize(QSizeF(width, -1));
    return document;
}

QImage blankPage(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Pixels that differ visibly between two pictures of the same size.
int differingPixels(const QImage& one, const QImage& other) {
    if (one.size() != other.size())
        return std::max(one.width() * one.height(), other.width() * other.height());
    int count = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QColor a = one.pixelColor(x, y);
            const QColor b = other.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                60)
                ++count;
        }
    }
    return count;
}

// Pixels that differ between the toolkit's drawing of a one-page document and the first page
// of the part laid out here, 500 wide.
int pixelsDifferingFromToolkit(const QTextDocument& toolkit, const LaidOutPart& part) {
    const QSize size(500, qCeil(toolkit.documentLayout()->documentSize().height()));
    QImage drawnByToolkit = blankPage(size);
    {
        QPainter painter(&drawnByToolkit);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        toolkit.documentLayout()->draw(&painter, context);
    }
    QImage drawnHere = blankPage(size);
    {
        QPainter painter(&drawnHere);
        part.drawPage(painter, 0);
    }
    return differingPixels(drawnByToolkit, drawnHere);
}

const QString kTables = QStringLiteral(
    "<p>Πίνακες</p>"
    "<table class=\"list\" width=\"100%\" cellspacing=\"0\"><thead><tr><th width=\"20%\">α/α"
    "</th><th width=\"80%\">Όνομα παιδιού</th></tr></thead><tbody><tr><td>1</td><td>Μαρία"
    "<br/>Παπαδοπούλου</td></tr><tr bgcolor=\"#f4f7fa\"><td>2</td><td valign=\"middle\">Νίκος"
    "</td></tr><tr><td colspan=\"2\">Σύνολο 2</td></tr></tbody></table>"
    "<table class=\"thick\" cellspacing=\"0\"><tr><td>Αξία</td><td>1.234,50</td></tr>"
    "<tr><td>Φ.Π.Α.</td><td><table class=\"thin\" cellspacing=\"0\"><tr><td>Π</td><td>Α"
    "</td></tr></table></td></tr></table>"
    "<table class=\"odd\" width=\"60%\" cellspacing=\"0\" cellpadding=\"4\"><tr><td>α</td>"
    "<td>β γ δ ε</td></tr></table>"
    "<table class=\"bare\" width=\"100%\" cellspacing=\"0\"><tr><td>χωρίς γραμμές</td></tr>"
    "</table><p>τέλος</p>");

const QString kTableStyles =
    kListStyle +
    QStringLiteral(
        "table.thick { border-collapse: collapse; } table.thick td { border: 2px solid #6b7b8c; "
        "padding: 3px 6px; } table.thin { border-collapse: collapse; } table.thin td { border: 1px "
        "solid #b9c2cc; } table.odd { border-collapse: collapse; } table.odd td { border: 3px "
        "solid "
        "#334455; } table.bare { border-collapse: collapse; }");

class ReportPagination : public testing::Test {
protected:
    void SetUp() override { reporttest::ensureApplication(); }
};

// Lists drawn as grids, lists whose borders are left to the toolkit (lines under the rows
// only) and tables with the old-style border attribute all break the same way.
TEST_F(ReportPagination, ListRowsStayWholeAndTheHeadingOpensEveryPage) {
    const QString styles[] = {
        kListStyle,
        QStringLiteral("table.list { border-collapse: collapse; } table.list td, table.list th "
                       "{ border-bottom: 1px solid #a7b1bc; padding: 2px; }"),
        QStringLiteral("table.list td, table.list th { padding: 2px; }"),
    };
    for (const QString& style : styles) {
        QString list = listOf(150);
        if (!style.contains(u"collapse"))
            list.replace(QStringLiteral("cellspacing=\"0\""),
                         QStringLiteral("border=\"1\" cellspacing=\"2\""));
        const LaidOutPart part(page(style, list), QSizeF(600, 400));
        const QTextDocument& document = part.document();
        QTextTable* table = firstTable(document);
        ASSERT_NE(table, nullptr);
        ASSERT_GE(part.pageCount(), 5);
        SCOPED_TRACE(style.toStdString());

        const Extent heading = rowText(document, *table, 0);
        for (int index = 0; index < part.pageCount(); ++index) {
            const PageSlices& slices = part.pages().at(index);
            for (const Slice& slice : slices)
                EXPECT_LE(slice.at + slice.bottom - slice.top, 400.01) << "page " << index + 1;
            // The heading is on every page: on the first in the table's flow, on the others at
            // the top, drawn last so that its lower line lies over the first row's.
            EXPECT_GE(pagesHolding({slices}, heading).count(0), 1) << "page " << index + 1;
            if (index > 0) {
                EXPECT_EQ(slices.last().at, 0) << "page " << index + 1;
                EXPECT_EQ(pagesHolding({{slices.last()}}, heading), QList<int>{0});
            }
        }
        // Every row, whether the toolkit or the engine laid it out: its cells whole on a page.
        const reports::TableRows& rows = part.rowsOf(*table);
        ASSERT_EQ(rows.tops.size(), 151);
        int lastPage = 0;
        for (int row = 1; row < rows.tops.size(); ++row) {
            // Between the lines above and below the row.
            const Extent cells{
                rows.tops.at(row) + rows.below,
                (row + 1 < rows.tops.size() ? rows.tops.at(row + 1) : rows.bottom) - rows.above};
            const QList<int> holding = pagesHolding(part.pages(), cells);
            ASSERT_EQ(holding.size(), 1) << "row " << row << " is printed in pieces or not at all";
            EXPECT_GE(holding.first(), lastPage) << "row " << row << " is out of order";
            lastPage = holding.first();
        }
        const QTextBlock total = document.lastBlock();
        EXPECT_EQ(pagesHolding(part.pages(), textOf(document, total.position(), total.position())),
                  QList<int>{part.pageCount() - 1});
    }
}

TEST_F(ReportPagination, ARowTallerThanAPageBreaksBetweenItsLinesAndRowSpansStayTogether) {
    QString lines;
    for (int line = 1; line <= 60; ++line) lines += QStringLiteral("Γραμμή %1<br/>").arg(line);
    const QString body =
        QStringLiteral(
            "<table class=\"list\" width=\"100%\" cellspacing=\"0\">"
            "<tr><td rowspan=\"3\">Α<br/>Β<br/>Γ<br/>Δ<br/>Ε<br/>Ζ</td><td>1</td></tr>"
            "<tr><td>2</td></tr><tr><td>3</td></tr>"
            "<tr><td>Σημειώσεις</td><td>%1</td></tr><tr><td>τέλος</td><td>x</td></tr>"
            "</table>")
            .arg(lines);
    // The rows one cell spans stay on one page wherever the table starts.
    for (int before = 10; before < 30; ++before) {
        const LaidOutPart part(page(kListStyle, QStringLiteral("<p>x</p>").repeated(before) + body),
                               QSizeF(500, 300));
        const QTextDocument& document = part.document();
        QTextTable* table = firstTable(document);
        ASSERT_NE(table, nullptr);
        const Extent spanned = textOf(document, table->cellAt(0, 0).firstPosition(),
                                      table->cellAt(2, 1).lastPosition());
        EXPECT_EQ(pagesHolding(part.pages(), spanned).size(), 1) << before << " lines before";
    }

    const LaidOutPart part(page(kListStyle, body), QSizeF(500, 300));
    const QTextDocument& document = part.document();
    QTextTable* table = firstTable(document);
    ASSERT_NE(table, nullptr);
    const QTextBlock notes = document.findBlock(table->cellAt(3, 1).firstPosition());
    const double top = document.documentLayout()->blockBoundingRect(notes).top();
    QList<int> pagesOfLines;
    for (int i = 0; i < notes.layout()->lineCount(); ++i) {
        const QTextLine line = notes.layout()->lineAt(i);
        const QList<int> holding =
            pagesHolding(part.pages(), Extent{top + line.y(), top + line.y() + line.height()});
        ASSERT_EQ(holding.size(), 1) << "line " << i + 1 << " is cut or lost";
        pagesOfLines.append(holding.first());
    }
    EXPECT_GE(pagesOfLines.last() - pagesOfLines.first(), 2) << "60 lines fit a 300 px page";
    EXPECT_TRUE(std::is_sorted(pagesOfLines.begin(), pagesOfLines.end()));
}

TEST_F(ReportPagination, ParagraphsBreakBetweenLinesAndWhereTheDocumentAsksForANewPage) {
    const QString text = QStringLiteral("Το ετήσιο πρόγραμμα της τάξης των νηπίων. ").repeated(200);
    const LaidOutPart part(page(QString(), QStringLiteral("<p>%1</p><p style=\"page-break-before: "
                                                          "always\">Δεύτερο μέρος</p>")
                                               .arg(text)),
                           QSizeF(500, 300));
    const QTextDocument& document = part.document();
    ASSERT_GE(part.pageCount(), 3);

    const QTextBlock first = document.firstBlock();
    const double top = document.documentLayout()->blockBoundingRect(first).top();
    int previous = 0;
    for (int i = 0; i < first.layout()->lineCount(); ++i) {
        const QTextLine line = first.layout()->lineAt(i);
        const QList<int> holding =
            pagesHolding(part.pages(), Extent{top + line.y(), top + line.y() + line.height()});
        ASSERT_EQ(holding.size(), 1) << "line " << i + 1;
        EXPECT_GE(holding.first(), previous);
        previous = holding.first();
    }
    const QTextBlock second = first.next();
    const QRectF rect = document.documentLayout()->blockBoundingRect(second);
    const PageSlices& last = part.pages().last();
    EXPECT_EQ(part.pageCount() - 1, previous + 1) << "the second part starts a page of its own";
    ASSERT_FALSE(last.isEmpty());
    EXPECT_EQ(last.first().top, rect.top());
    EXPECT_EQ(last.first().at, 0);
}

TEST_F(ReportPagination, TablesWithCollapsedBordersKeepTheToolkitsLayoutAndLines) {
    const QString html = page(kTableStyles, kTables);
    const auto toolkit = toolkitLayout(html, 500);
    const LaidOutPart part(html, QSizeF(500, 2000));
    const QTextDocument& document = part.document();
    ASSERT_EQ(part.pageCount(), 1);
    ASSERT_EQ(document.blockCount(), toolkit->blockCount());
    for (QTextBlock mine = document.firstBlock(), theirs = toolkit->firstBlock(); mine.isValid();
         mine = mine.next(), theirs = theirs.next()) {
        EXPECT_EQ(document.documentLayout()->blockBoundingRect(mine),
                  toolkit->documentLayout()->blockBoundingRect(theirs))
            << mine.text().toStdString();
    }
    EXPECT_EQ(document.documentLayout()->documentSize(), toolkit->documentLayout()->documentSize());

    EXPECT_LT(pixelsDifferingFromToolkit(*toolkit, part), 20);
}

// The rows of a long list are laid out by the engine, not the toolkit, and must come out where
// the toolkit puts them: rows read from others of their kind with their own plain text
// (escaped characters, line breaks), cells of several lines and formats, an empty last cell
// (after which the toolkit adds no paragraph), and a letter too wide for its column, for
// which the toolkit widens the column and so lays the list out itself.
TEST_F(ReportPagination, ListRowsLaidOutByTheEngineLieWhereTheToolkitPutsThem) {
    const auto list = [](const QString& wide) {
        QString html = QStringLiteral(
            "<p>Λίστα</p><table class=\"list\" width=\"100%\" cellspacing=\"0\"><thead><tr>"
            "<th width=\"15%\">α/α</th><th width=\"55%\">Όνομα</th><th width=\"30%\">Π</th>"
            "</tr></thead><tbody>");
        for (int row = 1; row <= 30; ++row) {
            html += QStringLiteral(
                        "<tr%1><td align=\"right\">%2</td><td>Παιδί %2 &amp; &quot;Σία&quot;"
                        "<br/>Οδός %2%3</td><td align=\"center\">%4</td></tr>")
                        .arg(row % 2 == 0 ? QStringLiteral(" bgcolor=\"#f4f7fa\"") : QString())
                        .arg(row)
                        .arg(row == 7 ? wide : QString())
                        .arg(row % 3 == 0 ? QString()
                                          : QStringLiteral("<span style=\"font-size: 9pt\">Π"
                                                           "</span><br/>12,50"));
        }
        return page(kListStyle, html + QStringLiteral("</tbody></table>\n<p>Σύνολο</p>"));
    };
    for (const QString& wide :
         {QString(), QStringLiteral("<span style=\"font-size: 300pt\">Ω</span>")}) {
        const QString html = list(wide);
        const auto toolkit = toolkitLayout(html, 500);
        const LaidOutPart part(html, QSizeF(500, 2000));
        ASSERT_EQ(part.pageCount(), 1);
        // Without the wide letter the rows are not in the document the toolkit laid out.
        EXPECT_EQ(part.document().blockCount() < toolkit->blockCount(), wide.isEmpty());
        EXPECT_EQ(part.document().documentLayout()->documentSize(),
                  toolkit->documentLayout()->documentSize());

        EXPECT_LT(pixelsDifferingFromToolkit(*toolkit, part), 20) << wide.toStdString();
    }
}

}  // namespace
