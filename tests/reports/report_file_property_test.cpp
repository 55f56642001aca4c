#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "fixture_data.h"
#include "report_test_support.h"
#include "reports/report_error.h"
#include "reports/report_file.h"
#include "support/property.h"

using namespace Qt::StringLiterals;

namespace {

struct ReportWithData {
    QString file;
    QString fixture;
};

const QList<ReportWithData> kReports = {
    {u"EREYNA.rav"_s, u"EREYNA"_s},
    {u"APODEIKSEIS.RAV"_s, u"APODEIKSEIS"_s},
    {u"DIDAKTRA.RAV"_s, u"DIDAKTRA"_s},
    {u"PAROYSIOLOGIO.RAV"_s, u"PAROYSIOLOGIO"_s},
    {u"ATOMIKO_DELTIO.RAV"_s, u"KARTA"_s},
    {u"FAKELLOI.rav"_s, u"FAKELLOI"_s},
    {u"APODEIKSEIS_GEN.RAV"_s, u"APODEIKSEIS_GEN"_s},
    {u"FAGHTO.RAV"_s, u"FAGHTO"_s},
};

// What a damaged or hand-edited report file may hold: template and markup syntax, quotes,
// Greek text.
const QString kMarkup = u"{}{}#/^&=!<>\"' αΩ\n-:;"_s;

QByteArray damaged(testsupport::PropertyInputs& inputs, const QByteArray& sound) {
    switch (inputs.number(0, 3)) {
        case 0: {  // bytes that are no UTF-8, or a NUL
            QByteArray bytes = sound;
            for (int i = inputs.number(1, 4); i > 0; --i) {
                bytes[inputs.number(0, static_cast<int>(bytes.size()) - 1)] =
                    static_cast<char>(inputs.number(0, 255));
            }
            return bytes;
        }
        case 1:  // cut short
            return sound.left(inputs.number(0, static_cast<int>(sound.size())));
        case 2:  // no report file at all
            return inputs.text(kMarkup + u"abc<body>{{x}}"_s, 300).toUtf8();
        default:  // edited by hand
            return inputs.mutated(QString::fromUtf8(sound), kMarkup, 6).toUtf8();
    }
}

// A report file that was edited, cut short or overwritten either loads and renders its data, or
// is refused with the report engine's error naming the file; nothing else happens.
TEST(ReportFileProperties, ADamagedReportFileIsRefusedNamingItOrStillRenders) {
    reporttest::ensureApplication();
    testsupport::PropertyInputs inputs;
    SCOPED_TRACE(inputs.replay());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QList<QByteArray> sources;
    QList<QList<reports::DataSet>> dataSets;
    for (const ReportWithData& report : kReports) {
        QFile file(reporttest::reportFile(report.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << report.file.toStdString();
        sources.append(file.readAll());
        dataSets.append(fixtures::readDataSets(reporttest::fixtureFile(report.fixture)));
    }
    const QDate printDate(2024, 3, 15);
    int rendered = 0;
    for (int run = 0; run < inputs.runs(1000); ++run) {
        const int which = inputs.number(0, static_cast<int>(kReports.size()) - 1);
        const QString path = dir.filePath(u"%1-%2"_s.arg(run).arg(kReports.at(which).file));
        const QByteArray bytes = damaged(inputs, sources.at(which));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        SCOPED_TRACE(path.toStdString());
        try {
            const reports::ReportFile report = reports::ReportFile::load(path);
            report.render(dataSets.at(which), printDate);
            ++rendered;
        } catch (const reports::Error& error) {
            ASSERT_TRUE(error.message().contains(path)) << error.what();
        }
        QFile::remove(path);
    }
    EXPECT_GT(rendered, 0);
}

}  // namespace
