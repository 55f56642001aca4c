#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "children/card_print_window.h"
#include "children/child_details_window.h"
#include "children/child_find_window.h"
#include "children/children_list_window.h"
#include "children/list_request.h"
#include "children_fixture.h"
#include "children_window_fixture.h"
#include "common/child_openers.h"
#include "ui/count_label.h"
#include "ui/navigator.h"

using common::ChildWindow;
using Entry = children::ChildrenListWindow::Entry;

// A per-child window that shows whom it was opened for in its title.
class ChildProbe : public QDialog {
public:
    ChildProbe(const common::ProgramContext& /*context*/, const QString& number,
               const QString& firstName, const QString& surname, QWidget* parent)
        : QDialog(parent) {
        setWindowTitle(number + u'|' + firstName + u'|' + surname);
    }
};

class ChildrenListTest : public QObject {
    Q_OBJECT

private:
    static void addFamily(childrentest::DeliveredProgram& program) {
        program.addChild(1, QStringLiteral("Γιώργος"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"),
                         {2015, 3, 1});
        program.addChild(2, QStringLiteral("Μαρία"), QStringLiteral("Παπαδάκη"), {2016, 4, 2});
        program.addChild(3, QStringLiteral("Νίκος"), QStringLiteral("Νικολάου"), {2014, 5, 3});
        program.addChild(4, QStringLiteral("Ελένη"), QStringLiteral("Παπά"), {2013, 6, 4}, false);
    }
    static QStringList surnames(const children::ChildrenListWindow& list) {
        QStringList found;
        const db::RowSet& rows = list.rows();
        for (int row = 0; row < rows.rowCount(); ++row) {
            found.append(rows.textAt(row, rows.columnIndex(QStringLiteral("EPWNYMO_PAIDIOY"))));
        }
        return found;
    }
    static void request(const std::optional<QString>& condition, children::StatusFilter status) {
        children::listRequest() = {condition, status};
    }

private slots:
    void cleanup() {
        for (ChildWindow window :
             {ChildWindow::Measurements, ChildWindow::Absences, ChildWindow::EnrolmentHistory,
              ChildWindow::TuitionPayment, ChildWindow::PaidTuition, ChildWindow::OwedTuition}) {
            common::registerChildOpener(window, {});
        }
    }

    void findButtonsFollowTheirFieldsAndSurnameInitialsInSmallLettersFindEveryone() {
        childrentest::DeliveredProgram program;
        addFamily(program);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        QStringList listed;
        seam.onShow = [&listed](QDialog* dialog) {
            listed = surnames(*qobject_cast<children::ChildrenListWindow*>(dialog));
            return 0;
        };
        children::ChildFindWindow find(program.context);
        QCOMPARE(find.windowTitle(), QStringLiteral("Εύρεση παιδιού"));
        QVERIFY(find.activeChoice()->isChecked());
        QVERIFY(!find.surnameFindButton()->isEnabled());
        QVERIFY(!find.numberFindButton()->isEnabled());
        find.surnameField()->setText(QStringLiteral("  "));
        QVERIFY(!find.surnameFindButton()->isEnabled());
        find.surnameField()->setText(QStringLiteral("πα'"));
        QVERIFY(!find.surnameFindButton()->isEnabled());
        find.surnameField()->setText(QStringLiteral(" παπ "));
        QVERIFY(find.surnameFindButton()->isEnabled());
        QVERIFY(!find.numberFindButton()->isEnabled());

        find.surnameFindButton()->click();
        QCOMPARE(listed, QStringList({QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), QStringLiteral("Παπαδάκη")}));
        find.allChoice()->click();
        find.surnameFindButton()->click();
        QCOMPARE(listed, QStringList({QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), QStringLiteral("Παπαδάκη"),
                                      QStringLiteral("Παπά")}));
        find.deletedChoice()->click();
        find.everyChildButton()->click();
        QCOMPARE(listed, QStringList({QStringLiteral("Παπά")}));
        find.activeChoice()->click();
        find.numberField()->setText(QStringLiteral("3"));
        find.numberFindButton()->click();
        QCOMPARE(listed, QStringList({QStringLiteral("Νικολάου")}));
        QCOMPARE(seam.shown.size(), 4);
    }

    void sortsByTheChosenColumnAndDirection() {
        childrentest::DeliveredProgram program;
        addFamily(program);
        request(children::everyoneCondition(), children::StatusFilter::All);
        children::ChildrenListWindow list(program.context);
        QCOMPARE(list.windowTitle(), QStringLiteral("Βασικά στοιχεία παιδιών"));
        QCOMPARE(list.countLabel()->text(), QStringLiteral("Βρέθηκαν 4 παιδιά"));
        QVERIFY(list.listText().endsWith(
            QStringLiteral(" WHERE 1>0 AND 1>0  ORDER BY ARITHMOS_MHTRWOY ASC")));
        QCOMPARE(children::cardPrintWindow(program.context).listSelect(), list.listText());

        list.sortChoice(2)->click();  // birth date
        QCOMPARE(surnames(list).first(), QStringLiteral("Παπά"));
        list.descendingChoice()->click();
        QCOMPARE(surnames(list),
                 QStringList({QStringLiteral("Παπαδάκη"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"),
                              QStringLiteral("Νικολάου"), QStringLiteral("Παπά")}));
        QCOMPARE(children::cardPrintWindow(program.context).listSelect(), list.listText());
    }

    void deletingTheLastRowHidesTheMenuButtonsAndSortFramesForGood() {
        childrentest::DeliveredProgram program;
        addFamily(program);
        program.connection.execute(
            QStringLiteral("INSERT INTO CHILDREN_EGG_DIAG (ARITHMOS_MHTRWOY, HMEROMHNIA_EGGRAFHS) "
                           "VALUES (3, #9/1/2019#)"));
        request(children::registryNumberCondition(QStringLiteral("3")),
                children::StatusFilter::Active);
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        children::ChildrenListWindow list(program.context);
        QCOMPARE(list.rows().rowCount(), 1);

        seam.defaultAnswer = false;
        list.navigator()->button(ui::Navigator::Delete)->click();
        QCOMPARE(program.count(QStringLiteral("SELECT COUNT(*) FROM CHILDREN")), 4);
        QVERIFY(!list.buttonFrame()->isHidden());

        seam.defaultAnswer = true;
        list.navigator()->button(ui::Navigator::Delete)->click();
        QCOMPARE(seam.questions.size(), 2);
        QCOMPARE(
            program.count(QStringLiteral("SELECT COUNT(*) FROM CHILDREN WHERE ARITHMOS_MHTRWOY=3")),
            0);
        // Only the child's own row goes.
        QCOMPARE(program.count(QStringLiteral("SELECT COUNT(*) FROM CHILDREN_EGG_DIAG")), 1);
        QCOMPARE(list.countLabel()->text(), QStringLiteral("Βρέθηκαν 0 παιδιά"));
        QVERIFY(!list.optionsMenu()->menuAction()->isVisible());
        QVERIFY(list.buttonFrame()->isHidden());
        QVERIFY(list.sortFrame()->isHidden());
        QVERIFY(list.directionFrame()->isHidden());

        request(children::everyoneCondition(), children::StatusFilter::All);
        list.refreshList();
        QCOMPARE(list.rows().rowCount(), 3);
        QVERIFY(list.buttonFrame()->isHidden());
    }

    void perChildWindowsAreTiedByTheirOpenersAndPaymentWaitsForReceiptNumbering() {
        childrentest::DeliveredProgram program;
        addFamily(program);
        request(children::everyoneCondition(), children::StatusFilter::Active);
        common::ChildIdentity handed;
        const auto remember = [&handed](const common::ProgramContext&, QWidget*,
                                        const common::ChildIdentity& child) { handed = child; };
        common::registerChildOpener(ChildWindow::TuitionPayment, remember);
        common::registerChildOpener(ChildWindow::OwedTuition, remember);
        {
            children::ChildrenListWindow list(program.context);
            QVERIFY(!list.button(Entry::Payment)->isEnabled());
            QVERIFY(!list.menuEntry(Entry::Payment)->isEnabled());
            QVERIFY(list.button(Entry::Owed)->isEnabled() &&
                    list.menuEntry(Entry::Owed)->isEnabled());
            QVERIFY(!list.button(Entry::Paid)->isEnabled());  // not tied in
            QVERIFY(!list.menuEntry(Entry::Measurements)->isEnabled());
            QVERIFY(list.button(Entry::Details)->isEnabled() &&
                    list.button(Entry::Prints)->isEnabled());
            list.grid()->selectRow(1);
            list.menuEntry(Entry::Owed)->trigger();
            QCOMPARE(handed.registryNumber, QStringLiteral("2"));
            QCOMPARE(handed.firstName, QStringLiteral("Μαρία"));
            QCOMPARE(handed.surname, QStringLiteral("Παπαδάκη"));
        }
        common::registerChildOpener(ChildWindow::Measurements, children::openModally<ChildProbe>);
        {
            testsupport::ModalAnswers seam;
            ui::ScopedModalSeam scoped(seam);
            children::ChildrenListWindow list(program.context);
            list.grid()->selectRow(2);
            list.button(Entry::Measurements)->click();
            QCOMPARE(seam.shown, QStringList({QStringLiteral("3|Νίκος|Νικολάου")}));
        }
        program.context.receiptNumberingSet = true;
        children::ChildrenListWindow list(program.context);
        QVERIFY(list.button(Entry::Payment)->isEnabled() &&
                list.menuEntry(Entry::Payment)->isEnabled());
        list.button(Entry::Payment)->click();
        QCOMPARE(handed.registryNumber, QStringLiteral("1"));
    }

    void theListIsReadAgainAfterTheHistoryAndDetailsWindowsClose() {
        childrentest::DeliveredProgram program;
        addFamily(program);
        request(children::everyoneCondition(), children::StatusFilter::Active);
        // A history window that de-enrols the child on a connection of its own.
        common::registerChildOpener(
            ChildWindow::EnrolmentHistory, [&program](const common::ProgramContext&, QWidget*,
                                                      const common::ChildIdentity& child) {
                program.connection.execute(
                    QStringLiteral("update CHILDREN SET ENERGO='ΟΧΙ' WHERE ARITHMOS_MHTRWOY=") +
                    child.registryNumber);
            });
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        QString detailsFor;
        seam.onShow = [&](QDialog* dialog) {
            detailsFor = qobject_cast<children::ChildDetailsWindow*>(dialog)->registryNumber();
            program.connection.execute(QStringLiteral(
                "update CHILDREN SET EPWNYMO_PAIDIOY='Νικολαΐδης' WHERE ARITHMOS_MHTRWOY=3"));
            return 0;
        };
        children::ChildrenListWindow list(program.context);
        list.button(Entry::History)->click();  // the first row: child 1
        QCOMPARE(surnames(list),
                 QStringList({QStringLiteral("Παπαδάκη"), QStringLiteral("Νικολάου")}));
        list.grid()->selectRow(1);
        list.button(Entry::Details)->click();
        QCOMPARE(detailsFor, QStringLiteral("3"));
        QCOMPARE(seam.shown, QStringList({children::ChildDetailsWindow::caption()}));
        QCOMPARE(surnames(list),
                 QStringList({QStringLiteral("Παπαδάκη"), QStringLiteral("Νικολαΐδης")}));
    }

    void aRegistryNumberThatIsNoWholeNumberOpensAnEmptyListWithoutCount() {
        childrentest::DeliveredProgram program;
        addFamily(program);
        for (const QString& typed : {QStringLiteral("αβ"), QStringLiteral("5 OR 1")}) {
            testsupport::ModalAnswers seam;
            ui::ScopedModalSeam scoped(seam);
            int listed = -1;
            QString count;
            seam.onShow = [&](QDialog* dialog) {
                auto* list = qobject_cast<children::ChildrenListWindow*>(dialog);
                listed = list->rows().rowCount();
                count = list->countLabel()->text();
                list->button(Entry::Details)->click();  // no current child: nothing opens
                return 0;
            };
            children::ChildFindWindow find(program.context);
            find.numberField()->setText(typed);
            find.numberFindButton()->click();
            QCOMPARE(seam.errors,
                     QStringList({QStringLiteral("Ο αριθμός μητρώου είναι ακέραιος αριθμός.")}));
            QCOMPARE(listed, 0);
            QVERIFY(count.isEmpty());
            QCOMPARE(seam.shown, QStringList({children::ChildrenListWindow::caption()}));
        }
    }
};

QTEST_MAIN(ChildrenListTest)
#include "children_list_qtest.moc"
