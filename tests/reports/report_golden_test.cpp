// Every report file rendered from fixture data sets (tests/reports/fixtures) into a PDF under
// the build tree's report-samples folder; the text of the PDF, as pdftotext lays it out, is
// compared with the checked-in reference in tests/reports/golden. After an intended change of
// a layout, regenerate the references with VELORIMA_REGENERATE_GOLDEN=1 and review the diff.

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "fixture_data.h"
#include "report_test_support.h"
#include "reports/report_engine.h"

namespace {

struct GoldenCase {
    const char* reportFile;
    const char* fixture;
    const char* sample;
    int widthPoints;  // the paper, as the PDF declares it
    int heightPoints;
};

constexpr int kA4Short = 595;
constexpr int kA4Long = 842;

const GoldenCase kCases[] = {
    {"EREYNA.rav", "EREYNA", "EREYNA", kA4Long, kA4Short},
    {"CATALOG.RAV", "CATALOG", "CATALOG", kA4Long, kA4Short},
    {"PAROYSIOLOGIO.RAV", "PAROYSIOLOGIO", "PAROYSIOLOGIO", kA4Long, kA4Short},
    {"DIDAKTRA.RAV", "DIDAKTRA", "DIDAKTRA", kA4Long, kA4Short},
    {"APODEIKSEIS.RAV", "APODEIKSEIS", "APODEIKSEIS", kA4Short, kA4Long},
    {"APODEIKSEIS.RAV", "APODEIKSEIS-header", "APODEIKSEIS-header", kA4Short, kA4Long},
    {"APODEIKSEISVATFREE.RAV", "APODEIKSEISVATFREE", "APODEIKSEISVATFREE", kA4Short, kA4Long},
    {"APODEIKSEIS_GEN_VAT.RAV", "APODEIKSEIS_GEN_VAT", "APODEIKSEIS_GEN_VAT", kA4Short, kA4Long},
    {"APODEIKSEIS_GEN.RAV", "APODEIKSEIS_GEN", "APODEIKSEIS_GEN", kA4Short, kA4Long},
    {"ATOMIKO_DELTIO.RAV", "KARTA", "ATOMIKO_DELTIO", kA4Short, kA4Long},
    {"DELTIO_YGEIAS.RAV", "KARTA", "DELTIO_YGEIAS", kA4Short, kA4Long},
    {"FAKELLOI.rav", "FAKELLOI", "FAKELLOI", 624, 312},  // DL envelope, 220 x 110 mm
    {"EKSODA1.RAV", "EKSODA1", "EKSODA1", kA4Short, kA4Long},
    {"EKSODA2.RAV", "EKSODA2", "EKSODA2", kA4Short, kA4Long},
    {"HMERHSIO.RAV", "HMERHSIO", "HMERHSIO", kA4Short, kA4Long},
    {"EBDOMADIAIO.RAV", "EBDOMADIAIO", "EBDOMADIAIO", kA4Short, kA4Long},
    {"ETHSIO.RAV", "ETHSIO", "ETHSIO", kA4Short, kA4Long},
    {"FAGHTO.RAV", "FAGHTO", "FAGHTO", kA4Long, kA4Short},
};

QString goldenFile(const QString& sample) {
    return reporttest::sourceDir() + QStringLiteral("/tests/reports/golden/") + sample +
           QStringLiteral(".txt");
}

bool regenerating() {
    return qgetenv("VELORIMA_REGENERATE_GOLDEN") == "1";
}

// The paper of every page, "width x height" in points, as pdfinfo reports it.
QStringList pageSizes(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"),
                  {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                   QStringLiteral("9999"), pdfPath});
    process.waitForFinished(60000);
    static const QRegularExpression size(
        QStringLiteral(R"(Page\s+\d+\s+size:\s+([\d.]+) x ([\d.]+))"));
    QStringList sizes;
    for (const QRegularExpressionMatch& match :
         size.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        sizes.append(QStringLiteral("%1x%2")
                         .arg(qRound(match.captured(1).toDouble()))
                         .arg(qRound(match.captured(2).toDouble())));
    }
    return sizes;
}

QString renderSample(const GoldenCase& golden) {
    const QString pdf = reporttest::samplesDir() + QLatin1Char('/') +
                        QString::fromLatin1(golden.sample) + QStringLiteral(".pdf");
    QFile::remove(pdf);
    reports::renderToPdf(
        reporttest::reportFile(QString::fromLatin1(golden.reportFile)),
        fixtures::readDataSets(reporttest::fixtureFile(QString::fromLatin1(golden.fixture))), pdf);
    return pdf;
}

class ReportGolden : public testing::TestWithParam<GoldenCase> {
protected:
    void SetUp() override { reporttest::ensureApplication(); }
    reporttest::FixedToday today{QDate(2024, 3, 15)};
};

TEST_P(ReportGolden, PrintsWhatItsDataSetsCarryOnItsPaper) {
    const GoldenCase& golden = GetParam();
    const QString pdf = renderSample(golden);
    const QString text = reporttest::pdfText(pdf);
    ASSERT_FALSE(text.trimmed().isEmpty()) << pdf.toStdString();

    const QString expectedSize =
        QStringLiteral("%1x%2").arg(golden.widthPoints).arg(golden.heightPoints);
    for (const QString& size : pageSizes(pdf))
        EXPECT_EQ(size.toStdString(), expectedSize.toStdString()) << golden.sample;

    QFile reference(goldenFile(QString::fromLatin1(golden.sample)));
    if (regenerating()) {
        ASSERT_TRUE(reference.open(QIODevice::WriteOnly | QIODevice::Truncate));
        reference.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly))
        << "no reference " << reference.fileName().toStdString()
        << " (run with VELORIMA_REGENERATE_GOLDEN=1 to write it)";
    EXPECT_EQ(text.toStdString(), QString::fromUtf8(reference.readAll()).toStdString())
        << "the PDF is " << pdf.toStdString();
}

std::string caseName(const testing::TestParamInfo<GoldenCase>& param) {
    std::string name = param.param.sample;
    for (char& c : name) {
        if (c == '-')
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryReportFile, ReportGolden, testing::ValuesIn(kCases), caseName);

// A long list runs over several pages: the column headings are printed again at the top of
// every page, no child's line is cut in two across a page break, and every page carries the
// print date and "Σελίδα N από M".
TEST(ReportPages, ListsRepeatTheirHeadingsAndKeepEachLineOnOnePage) {
    reporttest::ensureApplication();
    reporttest::FixedToday today(QDate(2024, 3, 15));
    const QString pdf = renderSample(kCases[0]);
    const QStringList pages = reporttest::pdfPages(pdf);
    ASSERT_GE(pages.size(), 3);

    static const QRegularExpression childLine(QStringLiteral(R"(^\s*\d+\s+\d{3}\s+\S)"));
    for (int page = 0; page < pages.size(); ++page) {
        const QStringList lines = pages.at(page).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        qsizetype heading = 0;
        while (heading < lines.size() && !lines.at(heading).trimmed().startsWith(u"α/α")) ++heading;
        if (heading == lines.size())
            heading = -1;
        ASSERT_GE(heading, 0) << "no column headings on page " << page + 1;
        // The headings take two lines; the next line must open a child's line, not continue
        // the last child of the previous page.
        ASSERT_GT(lines.size(), heading + 2);
        EXPECT_TRUE(childLine.match(lines.at(heading + 2)).hasMatch())
            << "page " << page + 1 << " starts with: " << lines.at(heading + 2).toStdString();
        EXPECT_TRUE(pages.at(page).contains(QStringLiteral("Ημερομηνία εκτύπωσης: 15/03/2024")));
        EXPECT_TRUE(pages.at(page).contains(
            QStringLiteral("Σελίδα %1 από %2").arg(page + 1).arg(pages.size())));
    }
}

// One card per child, one envelope per guardian: each row of the repeated data set starts a
// page of its own.
TEST(ReportPages, CardsAndEnvelopesStartAPagePerRow) {
    reporttest::ensureApplication();
    reporttest::FixedToday today(QDate(2024, 3, 15));
    const QStringList cards = reporttest::pdfPages(renderSample(kCases[9]));  // two children
    ASSERT_EQ(cards.size(), 2);
    EXPECT_TRUE(cards.at(0).contains(QStringLiteral("Παπαδοπούλου Μαρία")));
    EXPECT_TRUE(cards.at(1).contains(QStringLiteral("Γεωργίου Νίκος")));
    EXPECT_FALSE(cards.at(1).contains(QStringLiteral("Παπαδοπούλου")));

    const QStringList envelopes = reporttest::pdfPages(renderSample(kCases[11]));
    ASSERT_EQ(envelopes.size(), 5);
    for (const QString& envelope : envelopes) {
        EXPECT_TRUE(envelope.contains(QStringLiteral("Προς:")));
        EXPECT_FALSE(envelope.contains(QStringLiteral("Σελίδα"))) << "envelopes have no footer";
    }
}

}  // namespace
