#include <QFile>
#include <QtTest>

#include "children/card_fields.h"
#include "children/card_print.h"
#include "children/card_print_window.h"
#include "children_fixture.h"
#include "reports/report_output.h"

// The delivered report files of the card print window, run with what the window hands them.
class CardReportsTest : public QObject {
    Q_OBJECT

private:
    static QString reportFilesDirectory() {
        return qEnvironmentVariable("VELORIMA_SOURCE_DIR") + QStringLiteral("/report-files/");
    }
    static QString readReportFile(const QString& name) {
        QFile file(reportFilesDirectory() + name);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void theCardsPrintEveryFieldOfTheirSections() {
        const QString personal = readReportFile(QStringLiteral("ATOMIKO_DELTIO.RAV"));
        const QString health = readReportFile(QStringLiteral("DELTIO_YGEIAS.RAV"));
        QVERIFY(!personal.isEmpty() && !health.isEmpty());
        for (const children::CardField& field : children::cardFields()) {
            const QString& report =
                field.section == children::CardSection::Health ? health : personal;
            QVERIFY2(report.contains(QStringLiteral("{{") + field.column + QStringLiteral("}}")),
                     qPrintable(field.column));
        }
    }

    void theDeliveredReportsTakeTheWindowsData() {
        childrentest::DeliveredProgram program;
        for (const char* name : {"CATALOG.RAV", "ATOMIKO_DELTIO.RAV", "DELTIO_YGEIAS.RAV"}) {
            QVERIFY(QFile::copy(reportFilesDirectory() + QString::fromLatin1(name),
                                program.dir.path() + u'/' + QString::fromLatin1(name)));
        }
        program.addChild(5, QStringLiteral("Άννα"), QStringLiteral("Βασιλείου"), {2015, 1, 5});
        program.addChild(6, QStringLiteral("Πέτρος"), QStringLiteral("Αντωνίου"), {2016, 2, 6});
        program.connection.execute(QStringLiteral(
            "update CHILDREN SET ALLERGIES='Γύρη και φράουλες' WHERE ARITHMOS_MHTRWOY=6"));
        reports::RecordingOutput output;
        reports::ScopedOutput scoped(output);

        children::CardPrintWindow& prints = children::cardPrintWindow(program.context);
        prints.setMode(children::CardPrintMode::child(QStringLiteral("6")));
        prints.print(children::CardPrint::HealthCard);
        QCOMPARE(output.printed().last().pages, 1);
        QVERIFY(output.printed().last().text.contains(QStringLiteral("Γύρη και φράουλες")));
        QVERIFY(!output.printed().last().text.contains(QStringLiteral("Βασιλείου")));

        prints.setMode(children::CardPrintMode::all());
        prints.print(children::CardPrint::PersonalCard);
        QCOMPARE(output.printed().last().pages, 2);  // one card per child

        prints.setListSelect(QStringLiteral(
            "SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,FYLO,"
            "ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
            "THLEFWNO_ERGASIAS_KHDEMONA,ENERGO FROM CHILDREN WHERE ENERGO='ΝΑΙ' AND 1>0  "
            "ORDER BY ARITHMOS_MHTRWOY DESC"));
        prints.print(children::CardPrint::ChildrenList);
        const QString list = output.printed().last().text;
        QVERIFY(list.indexOf(QStringLiteral("Αντωνίου")) <
                list.indexOf(QStringLiteral("Βασιλείου")));
    }
};

QTEST_MAIN(CardReportsTest)
#include "card_reports_qtest.moc"
