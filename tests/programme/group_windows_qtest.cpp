// The groups windows headless on a real delivered database: the names window's count and
// enabling rules, the assignment window's visibility rules, and a group's list shown and
// printed through the search results window.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "db/query.h"
#include "programme/group_assignment_window.h"
#include "programme/group_children_window.h"
#include "programme/group_names_window.h"
#include "reports/report_output.h"
#include "searches/search_children.h"
#include "searches/search_results_window.h"
#include "ui/bound_table.h"
#include "ui/count_label.h"
#include "ui/long_lived_windows.h"
#include "ui/modal_answers.h"
#include "ui/navigator.h"

using namespace Qt::StringLiterals;

namespace {

// Inside 1024 x 768 with room for the title bar.
bool fitsTheScreen(const QWidget& window) {
    return window.width() <= 1024 && window.height() <= 740;
}

}  // namespace

class GroupWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<searchtest::SearchDatabase>();
        answers = std::make_unique<testsupport::ModalAnswers>();
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
    }
    void cleanup() {
        seam.reset();
        answers.reset();
        database.reset();
    }

    void namesWindowCountsEnablesAndStoresTrimmedGroups() {
        programme::GroupNamesWindow window(database->context);
        window.show();
        QCOMPARE(window.windowTitle(), u"Ονομασία ομάδων"_s);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 0 ομάδες"_s);
        QVERIFY(!window.nameField()->isEnabled());
        QVERIFY(!window.responsibleField()->isEnabled());
        QVERIFY(!window.addButton()->isEnabled());
        QVERIFY(window.addButton()->isDefault());

        window.newNameField()->setText(u"  Αστεράκια "_s);
        QVERIFY(!window.addButton()->isEnabled());
        window.newResponsibleField()->setText(u"   "_s);
        QVERIFY(!window.addButton()->isEnabled());
        window.newResponsibleField()->setText(u"Ελένη (νηπιαγωγός)"_s);
        QVERIFY(!window.addButton()->isEnabled());
        window.newResponsibleField()->setText(u" Ελένη "_s);
        QVERIFY(window.addButton()->isEnabled());
        QTest::mouseClick(window.addButton(), Qt::LeftButton);

        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 1 ομάδες"_s);
        QVERIFY(window.newNameField()->text().isEmpty());
        QVERIFY(window.newResponsibleField()->text().isEmpty());
        QVERIFY(window.nameField()->isEnabled());
        QCOMPARE(window.nameField()->text(), u"Αστεράκια"_s);
        QCOMPARE(window.responsibleField()->text(), u"Ελένη"_s);
        QVERIFY(fitsTheScreen(window));
    }

    void deletingAGroupInTheNamesWindowReturnsItsChildren() {
        database->addChild(1, u"Ένα"_s);
        database->connection().execute(
            u"INSERT INTO GROUP_NAMES(OMADA,RESPONSIBLE) VALUES('Αστεράκια','Ελένη')"_s);
        database->connection().execute(
            u"INSERT INTO CHILDREN_OMADES(ARITHMOS_MHTRWOY,OMADA_ID) VALUES(1,1)"_s);
        programme::GroupNamesWindow window(database->context);
        window.show();
        QTest::mouseClick(window.navigator()->button(ui::Navigator::Delete), Qt::LeftButton);
        QCOMPARE(answers->questions.size(), 1);
        QCOMPARE(window.countLabel()->text(), u"Βρέθηκαν 0 ομάδες"_s);
        QVERIFY(!window.nameField()->isEnabled());
        QCOMPARE(database->listed(u"SELECT ARITHMOS_MHTRWOY FROM CHILDREN_OMADES"_s), QList<int>{});
    }

    void assignmentWindowShowsItsBoxAndRemoveButtonOnlyWhenTheyCanAct() {
        database->addChild(1, u"Ψαρά"_s);
        database->addChild(2, u"Ανενεργή"_s, {{u"ENERGO"_s, u"'ΟΧΙ'"_s}});
        {
            programme::GroupAssignmentWindow noGroups(database->context);
            noGroups.show();
            QVERIFY(noGroups.removeButton()->isHidden());
            QVERIFY(noGroups.assignmentBox()->isHidden());
            QCOMPARE(noGroups.unassignedCount()->text(), u"Βρέθηκαν 1 παιδιά"_s);
        }
        database->connection().execute(
            u"INSERT INTO GROUP_NAMES(OMADA,RESPONSIBLE) VALUES('Αστεράκια','Ελένη')"_s);
        programme::GroupAssignmentWindow window(database->context);
        window.show();
        QCOMPARE(window.windowTitle(), u"Κατανομή των παιδιών σε ομάδες"_s);
        QVERIFY(fitsTheScreen(window));
        QCOMPARE(window.groupCount()->text(), u"Βρέθηκαν 1 ομάδες"_s);
        QCOMPARE(window.memberCount()->text(), u"Βρέθηκαν 0 παιδιά"_s);
        QVERIFY(window.removeButton()->isHidden());
        QVERIFY(!window.assignmentBox()->isHidden());
        QVERIFY(window.membersTitle()->text().endsWith(u"Αστεράκια"_s));

        // The last unassigned child is assigned: the box goes, the remove button comes.
        QTest::mouseClick(window.assignButton(), Qt::LeftButton);
        QCOMPARE(window.memberCount()->text(), u"Βρέθηκαν 1 παιδιά"_s);
        QCOMPARE(window.unassignedCount()->text(), u"Βρέθηκαν 0 παιδιά"_s);
        QVERIFY(window.assignmentBox()->isHidden());
        QVERIFY(!window.removeButton()->isHidden());
        QCOMPARE(window.members()->rows().text(u"EPWNYMO_PAIDIOY"_s), u"Ψαρά"_s);

        QTest::mouseClick(window.removeButton(), Qt::LeftButton);
        QVERIFY(answers->questions.isEmpty());
        QCOMPARE(window.memberCount()->text(), u"Βρέθηκαν 0 παιδιά"_s);
        QVERIFY(window.removeButton()->isHidden());
        QVERIFY(!window.assignmentBox()->isHidden());
    }

    void aGroupWithAnApostrophePrintsItsTitleLines() {
        QVERIFY(
            QFile::copy(qEnvironmentVariable("VELORIMA_SOURCE_DIR") + u"/report-files/EREYNA.rav"_s,
                        database->programDirectory() + u"/EREYNA.rav"_s));
        database->addChild(1, u"Ψαρά"_s);
        database->addChild(2, u"Αβραάμ"_s);
        database->connection().execute(
            u"INSERT INTO GROUP_NAMES(OMADA,RESPONSIBLE) VALUES('Τ''αστεράκια','Ο''Νιλ')"_s);
        database->connection().execute(
            u"INSERT INTO CHILDREN_OMADES(ARITHMOS_MHTRWOY,OMADA_ID) VALUES(1,1)"_s);

        std::vector<std::unique_ptr<QDialog>> windows;
        windows.push_back(std::make_unique<searches::SearchResultsWindow>(database->context));
        const ui::LongLivedWindows longLived(std::move(windows));
        auto* results = ui::longLivedWindow<searches::SearchResultsWindow>();
        reports::RecordingOutput printed;
        reports::ScopedOutput output(printed);
        answers->onShow = [&](QDialog* shown) {
            if (shown == results) {
                QTest::mouseClick(results->printButton(), Qt::LeftButton);
            }
            return int(QDialog::Rejected);
        };

        programme::GroupChildrenWindow window(database->context);
        window.show();
        QVERIFY(window.findButton()->isEnabled());
        QVERIFY(window.findButton()->isDefault());
        QTest::mouseClick(window.findButton(), Qt::LeftButton);

        QCOMPARE(results->firstTitleLine(), u"ΠΑΙΔΙΑ ΠΟΥ ANHKOYN ΣΤΗΝ ΟΜΑΔΑ: Τ'αστεράκια"_s);
        QCOMPARE(results->secondTitleLine(), u"ΥΠΕΥΘΥΝΟΣ: Ο'Νιλ"_s);
        QCOMPARE(results->countText(), u"Βρέθηκαν 1 παιδιά"_s);
        QCOMPARE(printed.printed().size(), 1);
        QVERIFY(printed.printed().first().text.contains(u"Τ'αστεράκια"_s));
        QVERIFY(printed.printed().first().text.contains(u"Ψαρά"_s));
        QVERIFY(!printed.printed().first().text.contains(u"Αβραάμ"_s));

        database->connection().execute(u"DELETE FROM GROUP_NAMES"_s);
        programme::GroupChildrenWindow empty(database->context);
        empty.show();
        QVERIFY(!empty.findButton()->isEnabled());
    }

private:
    std::unique_ptr<searchtest::SearchDatabase> database;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
};

QTEST_MAIN(GroupWindowsTest)
#include "group_windows_qtest.moc"
