#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "children/card_panel_window.h"
#include "children/card_print_window.h"
#include "children/child_details_window.h"
#include "children/children_list_window.h"
#include "children/list_request.h"
#include "children_fixture.h"
#include "children_window_fixture.h"
#include "db/error.h"
#include "reports/report_output.h"
#include "ui/navigator.h"

using childrentest::typeInto;

class CardPrintTest : public QObject {
    Q_OBJECT

private:
    // A report file that prints each child's registry number and surname on a line.
    static void writeReportFile(const childrentest::DeliveredProgram& program,
                                const QString& name) {
        QFile file(program.dir.path() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("<html><head><title>%1</title>"
                           "<meta name=\"data-connections\" content=\"RvDataSetConnection9\">"
                           "</head><body>{{#RvDataSetConnection9}}<p>[{{ARITHMOS_MHTRWOY}} "
                           "{{EPWNYMO_PAIDIOY}}]</p>{{/RvDataSetConnection9}}</body></html>")
                .arg(name)
                .toUtf8());
    }
    static void prepare(childrentest::DeliveredProgram& program) {
        for (const char* name : {"CATALOG.RAV", "ATOMIKO_DELTIO.RAV", "DELTIO_YGEIAS.RAV"}) {
            writeReportFile(program, QString::fromLatin1(name));
        }
        program.addChild(5, QStringLiteral("Άννα"), QStringLiteral("Βασιλείου"), {2015, 1, 5});
        program.addChild(6, QStringLiteral("Πέτρος"), QStringLiteral("Αντωνίου"), {2016, 2, 6});
        program.addChild(7, QStringLiteral("Ζωή"), QStringLiteral("Γεωργίου"), {2014, 3, 7}, false);
    }
    static QString printedText(const reports::RecordingOutput& output) {
        return output.printed().last().text.simplified();
    }

private slots:
    void theDetailsWindowShowsTheWholeCardAndSavesChanges() {
        childrentest::DeliveredProgram program;
        prepare(program);
        children::ChildDetailsWindow details(program.context, QStringLiteral(" 6 "));
        QCOMPARE(details.windowTitle(), QStringLiteral("Στοιχεία του παιδιού"));
        QVERIFY(details.card()->field(QStringLiteral("ARITHMOS_MHTRWOY")) == nullptr);
        QCOMPARE(details.card()->fieldsInOrder().size(), 92);
        auto* surname =
            qobject_cast<QLineEdit*>(details.card()->field(QStringLiteral("EPWNYMO_PAIDIOY")));
        QCOMPARE(surname->text(), QStringLiteral("Αντωνίου"));
        QVERIFY(!surname->isReadOnly());
        QCOMPARE(
            qobject_cast<QLineEdit*>(details.card()->field(QStringLiteral("HMEROMHNIA_GENNHSEWS")))
                ->text(),
            QStringLiteral("06/02/2016"));

        ui::Navigator* navigator = details.navigator();
        QVERIFY(!navigator->button(ui::Navigator::Edit)->isEnabled());  // editing already
        QVERIFY(navigator->button(ui::Navigator::Post)->isEnabled());
        typeInto(surname, QStringLiteral("Αντωνιάδης"));
        details.navigator()->button(ui::Navigator::Cancel)->click();
        QCOMPARE(surname->text(), QStringLiteral("Αντωνίου"));
        typeInto(surname, QStringLiteral("Αντωνιάδης"));
        typeInto(details.card()->field(QStringLiteral("ALLERGIES")), QStringLiteral("Γύρη"));
        details.navigator()->button(ui::Navigator::Post)->click();
        db::Query saved(program.connection,
                        QStringLiteral("SELECT * FROM CHILDREN WHERE ARITHMOS_MHTRWOY=6"));
        saved.open();
        QCOMPARE(saved.text(QStringLiteral("EPWNYMO_PAIDIOY")), QStringLiteral("Αντωνιάδης"));
        QCOMPARE(saved.text(QStringLiteral("ALLERGIES")), QStringLiteral("Γύρη"));

        // Saved, the row leaves editing; the edit button starts it again.
        QVERIFY(!navigator->button(ui::Navigator::Post)->isEnabled());
        navigator->button(ui::Navigator::Edit)->click();
        QVERIFY(details.child().isEditing());
        QVERIFY(navigator->button(ui::Navigator::Cancel)->isEnabled());
        QVERIFY(!navigator->button(ui::Navigator::Edit)->isEnabled());
    }

    void printingFromTheDetailsWindowPrintsOnlyThatChildsStoredCards() {
        childrentest::DeliveredProgram program;
        prepare(program);
        reports::RecordingOutput output;
        reports::ScopedOutput scopedOutput(output);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        seam.onShow = [](QDialog* dialog) {
            auto* prints = qobject_cast<children::CardPrintWindow*>(dialog);
            if (!prints->listButton()->isEnabled()) {
                prints->personalCardButton()->click();
                prints->healthCardButton()->click();
            }
            return 0;
        };
        children::ChildDetailsWindow details(program.context, QStringLiteral("5"));
        typeInto(details.card()->field(QStringLiteral("EPWNYMO_PAIDIOY")),
                 QStringLiteral("Αλλαγμένο"));
        details.printButton()->click();
        QCOMPARE(seam.shown, QStringList({QStringLiteral("Εκτύπωση")}));
        QCOMPARE(output.printed().size(), 2);
        QVERIFY(output.printed().at(0).sourcePath.endsWith(QStringLiteral("ATOMIKO_DELTIO.RAV")));
        QVERIFY(output.printed().at(1).sourcePath.endsWith(QStringLiteral("DELTIO_YGEIAS.RAV")));
        QCOMPARE(printedText(output), QStringLiteral("[5 Βασιλείου]"));  // as stored
    }

    void printingFromTheListPrintsTheListAsShownAndTheCardsOfEveryActiveChild() {
        childrentest::DeliveredProgram program;
        prepare(program);
        reports::RecordingOutput output;
        reports::ScopedOutput scopedOutput(output);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        bool listEnabled = false;
        seam.onShow = [&listEnabled](QDialog* dialog) {
            auto* prints = qobject_cast<children::CardPrintWindow*>(dialog);
            listEnabled = prints->listButton()->isEnabled();
            prints->listButton()->click();
            prints->personalCardButton()->click();
            return 0;
        };
        children::listRequest() = {children::registryNumberCondition(QStringLiteral("7")),
                                   children::StatusFilter::All};
        children::ChildrenListWindow list(program.context);
        list.button(children::ChildrenListWindow::Entry::Prints)->click();
        QVERIFY(listEnabled);
        QCOMPARE(output.printed().size(), 2);
        QVERIFY(output.printed().at(0).sourcePath.endsWith(QStringLiteral("CATALOG.RAV")));
        QCOMPARE(output.printed().at(0).text.simplified(), QStringLiteral("[7 Γεωργίου]"));
        // The cards are those of every active child, whatever the list shows.
        QCOMPARE(printedText(output), QStringLiteral("[6 Αντωνίου] [5 Βασιλείου]"));
    }

    void aRefusedSearchLeavesNothingToPrintAndSaysSo() {
        childrentest::DeliveredProgram program;
        prepare(program);
        reports::RecordingOutput output;
        reports::ScopedOutput scopedOutput(output);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        seam.onShow = [](QDialog* dialog) {
            qobject_cast<children::CardPrintWindow*>(dialog)->listButton()->click();
            return 0;
        };
        children::listRequest() = {children::registryNumberCondition(QStringLiteral("7α")),
                                   children::StatusFilter::All};
        children::ChildrenListWindow list(program.context);
        list.button(children::ChildrenListWindow::Entry::Prints)->click();
        QCOMPARE(seam.informations, QStringList{children::nothingToPrintMessage()});
        QVERIFY(seam.errors.isEmpty());
        QVERIFY(output.printed().isEmpty());
    }

    void aMissingReportFileFailsNamingIt() {
        childrentest::DeliveredProgram program;
        children::CardPrintWindow& prints = children::cardPrintWindow(program.context);
        prints.setMode(children::CardPrintMode::child(QStringLiteral("1")));
        QVERIFY(!prints.listButton()->isEnabled());
        try {
            prints.print(children::CardPrint::HealthCard);
            QFAIL("printed without a report file");
        } catch (const db::Error& error) {
            QVERIFY(error.message().contains(QStringLiteral("DELTIO_YGEIAS.RAV")));
        }
    }
};

QTEST_MAIN(CardPrintTest)
#include "card_print_qtest.moc"
