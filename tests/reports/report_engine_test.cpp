// The report engine on small report files written by the tests: how it fails, how it matches
// data sets to data connections, how it prints values, and where a run's report goes.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "report_test_support.h"
#include "reports/report_engine.h"
#include "reports/report_error.h"
#include "reports/report_output.h"
#include "reports/report_values.h"
#include "support/qt_printers.h"

namespace {

using reports::DataSet;

QByteArray reportText(const QString& head, const QString& body) {
    return (QStringLiteral("<html><head><title>Δοκιμή</title>") + head +
            QStringLiteral("</head><body>") + body + QStringLiteral("</body></html>"))
        .toUtf8();
}

QString connections(const QString& names) {
    return QStringLiteral("<meta name=\"data-connections\" content=\"%1\">").arg(names);
}

DataSet children() {
    return DataSet{QStringLiteral("CHILDREN"),
                   {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("ONOMA_PAIDIOY")},
                   {{12, QStringLiteral("Μαρία")},
                    {15, QStringLiteral("Νίκος")},
                    {17, QStringLiteral("Ελένη")}}};
}

class ReportEngine : public testing::Test {
protected:
    void SetUp() override {
        reporttest::ensureApplication();
        ASSERT_TRUE(dir_.isValid());
    }

    QString write(const QString& name, const QByteArray& content) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    // The error message of a render that must fail.
    QString failure(const QString& path, const QList<DataSet>& dataSets = {}) {
        try {
            reports::render(path, dataSets);
        } catch (const db::Error& error) {  // what the general error report catches
            EXPECT_NE(dynamic_cast<const reports::Error*>(&error), nullptr);
            return error.message();
        }
        ADD_FAILURE() << "no error for " << path.toStdString();
        return {};
    }

    QTemporaryDir dir_;
    reporttest::FixedToday today_{QDate(2024, 3, 15)};
};

TEST_F(ReportEngine, AMissingUnreadableOrMalformedReportFileFailsNamingItsPath) {
    const QString missing = dir_.filePath(QStringLiteral("EREYNA.rav"));
    EXPECT_TRUE(failure(missing).contains(missing));
    EXPECT_TRUE(failure(missing).contains(QStringLiteral("Δεν βρέθηκε")));

    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("CATALOG.RAV")));
    const QString folder = dir_.filePath(QStringLiteral("CATALOG.RAV"));
    EXPECT_TRUE(failure(folder).contains(folder));

    const QString binary =
        write(QStringLiteral("DIDAKTRA.RAV"), QByteArray("RAV\x00\xff\xfe\x01", 8));
    EXPECT_TRUE(failure(binary).contains(binary));

    struct Broken {
        const char* name;
        QByteArray content;
    };
    const Broken broken[] = {
        {"unclosed.RAV", reportText(connections(QStringLiteral("CHILDREN")),
                                    QStringLiteral("{{#CHILDREN}}<p>{{ONOMA_PAIDIOY}}</p>"))},
        {"crossed.RAV", reportText(connections(QStringLiteral("CHILDREN")),
                                   QStringLiteral("{{#CHILDREN}}x{{/PERIGRAFH}}"))},
        {"undeclared.RAV", reportText(QString(), QStringLiteral("<p>x</p>"))},
        {"paper.RAV", reportText(connections(QStringLiteral("CHILDREN")) +
                                     QStringLiteral("<meta name=\"page-size\" content=\"A9x\">"),
                                 QStringLiteral("<p>x</p>"))},
        {"perrow.RAV", reportText(connections(QStringLiteral("CHILDREN")) +
                                      QStringLiteral("<meta name=\"page-per-row\" content=\"X\">"),
                                  QStringLiteral("<p>x</p>"))},
        {"nohtml.RAV", QByteArray("just some text")},
    };
    for (const Broken& file : broken) {
        const QString path = write(QString::fromLatin1(file.name), file.content);
        const QString message = failure(path, {children()});
        EXPECT_TRUE(message.contains(path)) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("κατεστραμμένο"))) << message.toStdString();
    }
}

TEST_F(ReportEngine, TheDataSetsMustBeTheReportFilesDataConnections) {
    const QString path =
        write(QStringLiteral("LIST.RAV"),
              reportText(connections(QStringLiteral("CHILDREN PERIGRAFH")),
                         QStringLiteral("{{#CHILDREN}}{{ONOMA_PAIDIOY}}{{/CHILDREN}}")));
    const DataSet titles{QStringLiteral("PERIGRAFH"), {QStringLiteral("KEIMENO1")}, {}};

    const QString missing = failure(path, {children()});
    EXPECT_TRUE(missing.contains(QStringLiteral("PERIGRAFH"))) << missing.toStdString();

    DataSet misnamed = children();
    misnamed.name = QStringLiteral("CHILDREN6a");
    const QString unknown = failure(path, {children(), misnamed, titles});
    EXPECT_TRUE(unknown.contains(QStringLiteral("CHILDREN6a"))) << unknown.toStdString();

    EXPECT_EQ(reports::render(path, {titles, children()}).plainText().simplified(),
              QStringLiteral("ΜαρίαΝίκοςΕλένη"));
}

TEST_F(ReportEngine, ValuesPrintTheGreekWayAndAsPlainText) {
    const DataSet values{
        QStringLiteral("VALUES"),
        {QStringLiteral("Poso"), QStringLiteral("HMEROMHNIA"), QStringLiteral("EGKYRO"),
         QStringLiteral("VAT_RATIO"), QStringLiteral("KEIMENO"), QStringLiteral("EMPTY"),
         QStringLiteral("ONOMA"), QStringLiteral("MHNAS")},
        {{QStringLiteral("1234.5"), QDate(2024, 3, 5), true, 7.5,
          QStringLiteral("πρώτη γραμμή\nδεύτερη γραμμή"), QVariant(),
          QStringLiteral("<b>Γιάννης & Σία</b>"), 3}}};
    const QString path = write(
        QStringLiteral("VALUES.RAV"),
        reportText(connections(QStringLiteral("VALUES")),
                   QStringLiteral("{{#VALUES}}<p>[{{#money}}{{POSO}}{{/money}}]"
                                  "[{{HMEROMHNIA}}][{{#longDate}}{{HMEROMHNIA}}{{/longDate}}]"
                                  "[{{EGKYRO}}][{{VAT_RATIO}}%][{{ONOMA}}]"
                                  "[{{#monthName}}{{MHNAS}}{{/monthName}}]"
                                  "[{{^EMPTY}}κενό{{/EMPTY}}]</p><p>{{KEIMENO}}</p>{{/VALUES}}"
                                  "<p>{{count.VALUES}} {{printDate}}</p>")));
    const QString text = reports::render(path, {values}).plainText();
    EXPECT_EQ(text, QStringLiteral("[1.234,50][05/03/2024][Τρίτη 5 Μαρτίου 2024][Ναι][7,5%]"
                                   "[<b>Γιάννης & Σία</b>][Μάρτιος][κενό]\n"
                                   "πρώτη γραμμή\nδεύτερη γραμμή\n1 15/03/2024"));

    EXPECT_EQ(reports::moneyText(QStringLiteral("57,5")), QStringLiteral("57,50"));
    EXPECT_EQ(reports::moneyText(QStringLiteral("0.005")), QStringLiteral("0,01"));
    EXPECT_EQ(reports::moneyText(QStringLiteral("1,234.50")), QStringLiteral("1.234,50"));
    EXPECT_EQ(reports::moneyText(QStringLiteral(" ")), QString());
    EXPECT_EQ(reports::moneyText(QStringLiteral("δωρεάν")), QStringLiteral("δωρεάν"));
    EXPECT_EQ(reports::dateText(QStringLiteral("2024-03-05 10:15:00")),
              QStringLiteral("05/03/2024"));
    EXPECT_EQ(reports::dateText(QStringLiteral("5/3/2024")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(reports::dateText(QStringLiteral("31/02/2024")), QStringLiteral("31/02/2024"));
    EXPECT_EQ(reports::monthName(QStringLiteral("12")), QStringLiteral("Δεκέμβριος"));
    EXPECT_EQ(reports::monthName(QStringLiteral("13")), QStringLiteral("13"));
    EXPECT_EQ(reports::monthNameGenitive(QStringLiteral("12")), QStringLiteral("Δεκεμβρίου"));
    EXPECT_EQ(reports::monthNameGenitive(QStringLiteral("5")), QStringLiteral("Μαΐου"));
}

TEST_F(ReportEngine, BarsAreShareOfTheLargestValueOfTheirColumn) {
    const DataSet months{QStringLiteral("MONTHS"),
                         {QStringLiteral("MONTH"), QStringLiteral("SYNOLO")},
                         {{1, QStringLiteral("200.00")},
                          {2, QStringLiteral("50.00")},
                          {3, QStringLiteral("0.00")},
                          {4, QStringLiteral("0.01")}}};
    const QString path = write(
        QStringLiteral("BARS.RAV"),
        reportText(
            connections(QStringLiteral("MONTHS")),
            QStringLiteral("{{#MONTHS}}<p>{{MONTH}}:{{#bar.SYNOLO}}{{bar.SYNOLO}}{{/bar.SYNOLO}}"
                           "{{^bar.SYNOLO}}-{{/bar.SYNOLO}}</p>{{/MONTHS}}")));
    EXPECT_EQ(reports::render(path, {months}).plainText(), QStringLiteral("1:100\n2:25\n3:-\n4:1"));
}

TEST_F(ReportEngine, PagePerRowGivesEveryRowItsOwnPagesAndTheFileSetsThePaper) {
    const QString path = write(
        QStringLiteral("CARDS.RAV"),
        reportText(connections(QStringLiteral("CHILDREN")) +
                       QStringLiteral("<meta name=\"page-per-row\" content=\"CHILDREN\">"
                                      "<meta name=\"page-size\" content=\"A5\">"
                                      "<meta name=\"orientation\" content=\"landscape\">"
                                      "<meta name=\"margins\" content=\"10 20\">"
                                      "<meta name=\"footer\" content=\"none\">"),
                   QStringLiteral("{{#CHILDREN}}<p>{{ONOMA_PAIDIOY}} {{row}}/{{count.CHILDREN}}</p>"
                                  "{{/CHILDREN}}{{^CHILDREN}}<p>Κανένα παιδί</p>{{/CHILDREN}}")));
    const reports::RenderedReport cards = reports::render(path, {children()});
    EXPECT_EQ(cards.htmlParts().size(), 3);
    EXPECT_EQ(cards.pageCount(), 3);
    EXPECT_EQ(cards.plainText(), QStringLiteral("Μαρία 1/3\fΝίκος 2/3\fΕλένη 3/3"));
    EXPECT_EQ(cards.title(), QStringLiteral("Δοκιμή"));
    EXPECT_EQ(cards.pageSetup().pageSize.id(), QPageSize::A5);
    EXPECT_EQ(cards.pageSetup().orientation, QPageLayout::Landscape);
    EXPECT_EQ(cards.pageSetup().margins, QMarginsF(20, 10, 20, 10));
    EXPECT_FALSE(cards.pageSetup().footer);

    DataSet none = children();
    none.rows.clear();
    const reports::RenderedReport empty = reports::render(path, {none});
    EXPECT_EQ(empty.pageCount(), 1);
    EXPECT_EQ(empty.plainText(), QStringLiteral("Κανένα παιδί"));
}

TEST_F(ReportEngine, PreparingCountsTheFillingAndEveryPartLaidOutAndChangesNothing) {
    const QString path =
        write(QStringLiteral("CARDS.RAV"),
              reportText(connections(QStringLiteral("CHILDREN")) +
                             QStringLiteral("<meta name=\"page-per-row\" content=\"CHILDREN\">"),
                         QStringLiteral("{{#CHILDREN}}<p>{{ONOMA_PAIDIOY}}</p>{{/CHILDREN}}")));
    QList<std::pair<int, int>> steps;
    const reports::RenderedReport prepared =
        reports::prepare(path, {children()}, [&](int done, int total) {
            steps.append({done, total});
        });
    EXPECT_EQ(steps, (QList<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));

    const reports::RenderedReport rendered = reports::render(path, {children()});
    EXPECT_EQ(prepared.htmlParts(), rendered.htmlParts());
    EXPECT_EQ(prepared.pageCount(), rendered.pageCount());
    EXPECT_EQ(prepared.plainText(), QStringLiteral("Μαρία\fΝίκος\fΕλένη"));
}

TEST_F(ReportEngine, RunHandsTheReportToTheOutputInForceAndPdfFilesAreWritten) {
    const QString path =
        write(QStringLiteral("LIST.RAV"),
              reportText(connections(QStringLiteral("CHILDREN")),
                         QStringLiteral("{{#CHILDREN}}<p>{{ONOMA_PAIDIOY}}</p>{{/CHILDREN}}")));
    reports::RecordingOutput output;
    {
        reports::ScopedOutput inForce(output);
        EXPECT_EQ(&reports::currentOutput(), &output);
        reports::run(path, {children()});
    }
    EXPECT_NE(&reports::currentOutput(), &output);
    ASSERT_EQ(output.printed().size(), 1);
    EXPECT_EQ(output.printed().first().sourcePath, path);
    EXPECT_EQ(output.printed().first().pages, 1);
    EXPECT_EQ(output.printed().first().text, QStringLiteral("Μαρία\nΝίκος\nΕλένη"));

    const QString pdf = dir_.filePath(QStringLiteral("list.pdf"));
    reports::renderToPdf(path, {children()}, pdf);
    const QString printed = reporttest::pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("Νίκος")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Ημερομηνία εκτύπωσης: 15/03/2024")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Σελίδα 1 από 1")));

    const QString nowhere = dir_.filePath(QStringLiteral("no/such/folder/list.pdf"));
    try {
        reports::renderToPdf(path, {children()}, nowhere);
        ADD_FAILURE() << "a PDF was reported written to a missing folder";
    } catch (const reports::Error& error) {
        EXPECT_TRUE(error.message().contains(nowhere));
    }
}

}  // namespace
