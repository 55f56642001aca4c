// The search results window on a real delivered database: what a canned search shows, the
// count and the buttons, a card edit seen on return, printing, and a refused statement.
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "children/child_details_window.h"
#include "common/child_openers.h"
#include "db/error.h"
#include "reports/report_output.h"
#include "search_children.h"
#include "searches/canned_searches.h"
#include "searches/search_results_window.h"
#include "ui/modal_answers.h"

using namespace Qt::StringLiterals;

namespace {

const searches::CannedSearch& searchTitled(const QString& title) {
    for (const auto& search : searches::cannedSearches()) {
        if (search.title == title) {
            return search;
        }
    }
    throw std::runtime_error("no such search");
}

const searches::CannedSearch& allergies() {
    return searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ"_s);
}

}  // namespace

class SearchResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<searchtest::SearchDatabase>();
        database->addChild(7, u"Παππάς"_s, {{u"ALLERGIES"_s, u"'Γύρη'"_s}});
        database->addChild(3, u"Αντωνίου"_s, {{u"ALLERGIES"_s, u"'Φιστίκια'"_s}});
        database->addChild(5, u"Κώστα"_s);
        answers = std::make_unique<testsupport::ModalAnswers>();
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
        window = std::make_unique<searches::SearchResultsWindow>(database->context);
    }

    void cleanup() {
        window.reset();
        seam.reset();
        answers.reset();
        database.reset();
    }

    void cannedSearchShowsItsTitleTheChildrenAndTheirCount() {
        QList<QDialog*> shown;
        answers->onShow = [&](QDialog* dialog) {
            shown.append(dialog);
            return int(QDialog::Rejected);
        };
        searches::runCannedSearch(allergies(), *window);

        QCOMPARE(shown, QList<QDialog*>{window.get()});
        QCOMPARE(window->windowTitle(), u"Έρευνα"_s);
        QCOMPARE(window->firstTitleLine(), u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ"_s);
        QCOMPARE(window->secondTitleLine(), QString());
        QCOMPARE(database->titleLines(), (QStringList{allergies().title, QString()}));
        QCOMPARE(window->countText(), u"Βρέθηκαν 2 παιδιά"_s);
        QCOMPARE(window->result().textAt(0, window->result().columnIndex(u"EPWNYMO_PAIDIOY"_s)),
                 u"Αντωνίου"_s);
        QVERIFY(window->cardButton()->isEnabled());
        QVERIFY(window->printButton()->isEnabled());
        QVERIFY(window->cardButton()->isDefault());
        QCOMPARE(window->grid()->model()->headerData(9, Qt::Horizontal).toString(),
                 u"Τηλ.  κηδεμόνα"_s);
        QCOMPARE(window->size(), QSize(947, 569));
    }

    void searchWithoutMatchShowsZeroAndDisablesBothButtons() {
        searches::runCannedSearch(allergies(), *window);
        searches::runCannedSearch(searchTitled(u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΙΑΒΗΤΗ"_s), *window);
        QCOMPARE(window->countText(), u"Βρέθηκαν 0 παιδιά"_s);
        QVERIFY(!window->cardButton()->isEnabled());
        QVERIFY(!window->printButton()->isEnabled());
        QCOMPARE(window->firstTitleLine(), u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΔΙΑΒΗΤΗ"_s);
    }

    // The card is opened for the current row; what changed there shows in the list on return.
    void cardEditShowsInTheListOnReturn() {
        // The card opens through the child opener registry, tied as the program ties it.
        common::registerChildOpener(
            common::ChildWindow::Details, [](const common::ProgramContext& context, QWidget* parent,
                                             const common::ChildIdentity& child) {
                children::ChildDetailsWindow card(context, child.registryNumber, parent);
                ui::showModal(&card);
            });
        QString opened;
        answers->onShow = [&](QDialog* dialog) {
            if (auto* card = qobject_cast<children::ChildDetailsWindow*>(dialog)) {
                opened = card->registryNumber();
                db::Connection other(database->connectionString());
                other.open();
                other.execute(u"UPDATE CHILDREN SET ENERGO='ΟΧΙ' WHERE ARITHMOS_MHTRWOY="_s +
                              opened);
            } else {
                window->grid()->selectRow(1);
                QTest::mouseClick(window->cardButton(), Qt::LeftButton);
            }
            return int(QDialog::Rejected);
        };
        searches::runCannedSearch(allergies(), *window);

        QCOMPARE(opened, u"7"_s);
        QCOMPARE(window->countText(), u"Βρέθηκαν 1 παιδιά"_s);
        QCOMPARE(window->result().rowCount(), 1);
    }

    void printsTheTitleLinesAndTheChildren() {
        QVERIFY(
            QFile::copy(qEnvironmentVariable("VELORIMA_SOURCE_DIR") + u"/report-files/EREYNA.rav"_s,
                        database->programDirectory() + u"/EREYNA.rav"_s));
        reports::RecordingOutput printed;
        reports::ScopedOutput output(printed);
        answers->onShow = [&](QDialog*) {
            QTest::mouseClick(window->printButton(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        searches::runCannedSearch(allergies(), *window);

        QCOMPARE(printed.printed().size(), 1);
        const QString text = printed.printed().first().text;
        QVERIFY(printed.printed().first().sourcePath.endsWith(u"EREYNA.rav"_s));
        QVERIFY(text.contains(u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ"_s));
        QVERIFY(text.contains(u"Αντωνίου"_s));
        QVERIFY(text.contains(u"Παππάς"_s));
        QVERIFY(!text.contains(u"Κώστα"_s));
    }

    void refusedStatementReachesTheCallerAndTheWindowStaysHidden() {
        int shown = 0;
        answers->onShow = [&](QDialog*) { return ++shown, int(QDialog::Rejected); };
        window->setSearchText(u"SELECT NO_SUCH_COLUMN FROM CHILDREN"_s);
        QVERIFY_THROWS_EXCEPTION(db::Error, window->showSearch());
        QCOMPARE(shown, 0);
    }

private:
    std::unique_ptr<searchtest::SearchDatabase> database;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
    std::unique_ptr<searches::SearchResultsWindow> window;
};

QTEST_MAIN(SearchResultsWindowTest)
#include "search_results_window_qtest.moc"
