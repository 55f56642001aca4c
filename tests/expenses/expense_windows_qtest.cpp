// The expenses windows headless: the entry window's order and refusals, the analyses' enabling
// rule, their refused criteria, the print of the last search, and the clearing on closing.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "db/command.h"
#include "db/query.h"
#include "expenses/expenses_between_dates_window.h"
#include "expenses/expenses_entry_window.h"
#include "expenses/monthly_expenses_window.h"
#include "reports/report_output.h"
#include "support/delivered_database.h"
#include "ui/modal_answers.h"

using namespace Qt::StringLiterals;

namespace {

// Typing as the staff do, Greek letters included.
void typeInto(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->textEdited(text);
}

QStringList gridColumn(QTableView* grid, int column) {
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        texts.append(grid->model()->index(row, column).data().toString());
    }
    return texts;
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void search(expenses::ExpenseAnalysisWindow& window, const QString& from, const QString& to) {
    window.fromField()->setText(from);
    window.toField()->setText(to);
    click(window.searchButton());
}

}  // namespace

class ExpenseWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<testsupport::DeliveredDatabase>();
        context = database->dir().programContext();
        answers = std::make_unique<testsupport::ModalAnswers>();
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
        for (const QString& report : {u"EKSODA1.RAV"_s, u"EKSODA2.RAV"_s}) {
            QVERIFY(QFile::copy(
                qEnvironmentVariable("VELORIMA_SOURCE_DIR") + u"/report-files/"_s + report,
                QDir(context.programDirectory).filePath(report)));
        }
        db::Command add(database->connection());
        for (const QString& values :
             {u"'2008-03-01',10,2,'Ρεύμα Μαρτίου'"_s, u"'2008-03-31',20,NULL,'Ενοίκιο Μαρτίου'"_s,
              u"'2008-04-02',7,1,'Νερό Απριλίου'"_s, u"'2007-11-15',50,5,'Τρόφιμα Νοεμβρίου'"_s}) {
            add.execute(u"INSERT INTO EKSODA(HMEROMHNIA,POSO,VAT,PERIGRAFH) VALUES("_s + values +
                        u")"_s);
        }
    }
    void cleanup() {
        seam.reset();
        answers.reset();
        database.reset();
    }

    void entryListsNewestFirstStoresATypedExpenseAndRefusesByLabel() {
        expenses::ExpensesEntryWindow window(context);
        window.show();
        QCOMPARE(gridColumn(window.grid(), 1),
                 (QStringList{u"02/04/2008"_s, u"31/03/2008"_s, u"01/03/2008"_s, u"15/11/2007"_s}));
        QVERIFY(!window.navigator()->button(ui::Navigator::Cancel));
        QVERIFY(window.size().width() <= 1024 && window.size().height() <= 768);

        click(window.navigator()->button(ui::Navigator::Insert));
        typeInto(window.field(u"HMEROMHNIA"_s), u"31/02/2008"_s);
        typeInto(window.field(u"POSO"_s), u"1.200"_s);
        typeInto(window.field(u"PERIGRAFH"_s), u"Γραφική ύλη"_s);
        click(window.navigator()->button(ui::Navigator::Post));
        QCOMPARE(answers->errors.size(), 1);
        QVERIFY2(answers->errors.last().contains(u"«Ημερομηνία»"_s),
                 qPrintable(answers->errors.last()));
        QCOMPARE(window.field(u"HMEROMHNIA"_s)->text(), u"31/02/2008"_s);

        typeInto(window.field(u"HMEROMHNIA"_s), u"28/02/2008"_s);
        click(window.navigator()->button(ui::Navigator::Post));
        QCOMPARE(answers->errors.size(), 2);
        QVERIFY2(answers->errors.last().contains(u"«Ποσό»"_s), qPrintable(answers->errors.last()));

        typeInto(window.field(u"POSO"_s), u"12,50"_s);
        click(window.navigator()->button(ui::Navigator::Post));
        QCOMPARE(answers->errors.size(), 2);
        db::Query stored(database->connection(),
                         u"SELECT POSO, VAT FROM EKSODA WHERE PERIGRAFH='Γραφική ύλη'"_s);
        stored.open();
        QCOMPARE(stored.rowCount(), 1);
        QCOMPARE(stored.value(0).toDouble(), 12.5);
        QVERIFY(stored.value(1).isNull());
    }

    void betweenDatesSearchesChecksAndPrintsTheLastSearchedRange() {
        expenses::ExpensesBetweenDatesWindow window(context);
        window.show();
        QVERIFY(!window.printButton()->isEnabled());
        QVERIFY(window.size().width() <= 1024 && window.size().height() <= 768);
        window.fromField()->setText(u"01/03/2008'"_s);
        QVERIFY(!window.searchButton()->isEnabled());
        window.fromField()->setText(u"01/03/2008"_s);
        QVERIFY(window.searchButton()->isEnabled());

        search(window, u"01/03/2008"_s, u"31/02/2008"_s);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});
        QVERIFY(!window.printButton()->isEnabled());

        search(window, u"01/03/2008"_s, u"31/03/2008"_s);
        QCOMPARE(answers->warnings.size(), 1);
        QVERIFY(window.printButton()->isEnabled());
        QCOMPARE(gridColumn(window.grid(), 1), (QStringList{u"01/03/2008"_s, u"31/03/2008"_s}));
        QCOMPARE(gridColumn(window.grid(), 4), (QStringList{u"12.00"_s, u"20.00"_s}));
        QCOMPARE(window.totalsShown(), (QStringList{u"30.00"_s, u"2.00"_s, u"32.00"_s}));

        reports::RecordingOutput output;
        reports::ScopedOutput outputInPlace(output);
        window.fromField()->setText(u"01/04/2008"_s);  // typed, never searched
        window.toField()->setText(u"30/04/2008"_s);
        click(window.printButton());
        QCOMPARE(output.printed().size(), 1);
        const QString printed = output.printed().first().text;
        QVERIFY(output.printed().first().sourcePath.endsWith(u"/EKSODA1.RAV"_s));
        for (const QString& shown : {u"Ενοίκιο Μαρτίου"_s, u"Ρεύμα Μαρτίου"_s, u"32,00"_s}) {
            QVERIFY2(printed.contains(shown), qPrintable(shown + u'\n' + printed));
        }
        QVERIFY(!printed.contains(u"Νερό Απριλίου"_s));

        search(window, u"01/01/2010"_s, u"31/12/2010"_s);
        QCOMPARE(window.grid()->model()->rowCount(), 0);
        QVERIFY(window.printButton()->isEnabled());
        click(window.printButton());
        QVERIFY(output.printed().last().text.contains(u"Δεν βρέθηκαν έξοδα."_s));

        window.reject();
        window.show();
        QVERIFY(window.fromField()->text().isEmpty() && window.toField()->text().isEmpty());
        QVERIFY(!window.printButton()->isEnabled());
        QCOMPARE(window.grid()->model()->rowCount(), 0);
        QCOMPARE(window.totalsShown(), (QStringList{QString(), QString(), QString()}));
    }

    void monthlySumsRefuseYearsThatAreNoWholeNumberAndPrintTheChart() {
        expenses::MonthlyExpensesWindow window(context);
        window.show();
        QVERIFY(window.size().width() <= 1024 && window.size().height() <= 768);
        search(window, u"2007"_s, u"2008"_s);
        QCOMPARE(gridColumn(window.grid(), 0), (QStringList{u"11"_s, u"3"_s, u"4"_s}));
        QCOMPARE(gridColumn(window.grid(), 4), (QStringList{u"55.00"_s, u"32.00"_s, u"8.00"_s}));
        QVERIFY(window.printButton()->isEnabled());

        for (const QString& year : {u"δύο"_s, u"2007 OR 1"_s}) {
            search(window, year, u"2008"_s);
            QCOMPARE(answers->warnings.last(), u"Λανθασμένα κριτήρια."_s);
            QVERIFY(!window.printButton()->isEnabled());
            QCOMPARE(window.grid()->model()->rowCount(), 0);
        }
        QCOMPARE(answers->warnings.size(), 2);

        reports::RecordingOutput output;
        reports::ScopedOutput outputInPlace(output);
        search(window, u"2008"_s, u"2008"_s);
        click(window.printButton());
        QCOMPARE(output.printed().size(), 1);
        QVERIFY(output.printed().first().sourcePath.endsWith(u"/EKSODA2.RAV"_s));
        const QString printed = output.printed().first().text;
        for (const QString& shown : {u"Μάρτιος"_s, u"Απρίλιος"_s, u"40,00"_s}) {
            QVERIFY2(printed.contains(shown), qPrintable(shown + u'\n' + printed));
        }
        QVERIFY(!printed.contains(u"Νοέμβριος"_s));
    }

private:
    std::unique_ptr<testsupport::DeliveredDatabase> database;
    common::ProgramContext context;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
};

QTEST_MAIN(ExpenseWindowsTest)
#include "expense_windows_qtest.moc"
