// The eight windows that ask for values before they search, on a real delivered database:
// when their search button is allowed, what they write and hand to the results window, and
// the guarded searches' message for wrong criteria.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "db/error.h"
#include "search_children.h"
#include "searches/arrival_departure_search_window.h"
#include "searches/arrival_search_window.h"
#include "searches/bedrooms_search_window.h"
#include "searches/born_between_search_window.h"
#include "searches/departure_search_window.h"
#include "searches/education_search_window.h"
#include "searches/position_search_window.h"
#include "searches/search_results_window.h"
#include "searches/siblings_search_window.h"
#include "ui/modal_answers.h"

using namespace Qt::StringLiterals;

class ParametrisedSearchWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<searchtest::SearchDatabase>();
        database->addChild(1, u"Αλεξίου"_s,
                           {{u"MORFWSH_MHTERAS"_s, u"'ΛΥΚΕΙΟ'"_s},
                            {u"ADELFOYS"_s, u"0"_s},
                            {u"ADELFES"_s, u"0"_s},
                            {u"THESH_PAIDIOY_STHN_OIKOGENEIA"_s, u"2"_s},
                            {u"WRA_ERXETAI"_s, u"'07:30'"_s},
                            {u"WRA_FEYGEI"_s, u"'14:00'"_s}});
        database->addChild(
            2, u"Βλάχου"_s,
            {{u"HMEROMHNIA_GENNHSEWS"_s, u"#10/2/2004#"_s}, {u"ENERGO"_s, u"'ΟΧΙ'"_s}});
        database->addChild(3, u"Γκίκας"_s, {{u"ADELFOYS"_s, u"0"_s}});  // sisters unknown
        database->connection().execute(u"UPDATE PERIGRAFH SET KEIMENO1='πριν',KEIMENO2='πριν'"_s);
        answers = std::make_unique<testsupport::ModalAnswers>();
        answers->onShow = [this](QDialog* dialog) {
            shown.append(dialog);
            return int(QDialog::Rejected);
        };
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
        results = std::make_unique<searches::SearchResultsWindow>(database->context);
        shown.clear();
    }

    void cleanup() {
        results.reset();
        seam.reset();
        answers.reset();
        database.reset();
    }

    void educationShowsAListPerTickedPersonAndSearchesWithTheOthersAlwaysTrue() {
        searches::EducationSearchWindow window(database->context, results.get());
        QCOMPARE(window.windowTitle(), u"Παιδιά με μόρφωση πατέρα, μητέρας, κηδεμόνα"_s);
        QVERIFY(!window.searchButton()->isEnabled());
        QVERIFY(window.motherLevel()->isHidden());
        QCOMPARE(window.motherLevel()->currentText(), u"ΔΗΜΟΤΙΚΟ"_s);

        window.motherBox()->setChecked(true);
        QVERIFY(window.searchButton()->isEnabled());
        QVERIFY(!window.motherLevel()->isHidden());
        QVERIFY(window.fatherLevel()->isHidden());
        window.motherLevel()->setCurrentText(u"ΛΥΚΕΙΟ"_s);
        QTest::mouseClick(window.searchButton(), Qt::LeftButton);

        QCOMPARE(shown, QList<QDialog*>{results.get()});
        QCOMPARE(database->titleLines(),
                 (QStringList{u"ΠΑΙΔΙΑ  ME ΜΟΡΦΩΣΗ ΜΗΤΕΡΑΣ=ΛΥΚΕΙΟ"_s, QString()}));
        QVERIFY(results->searchText().endsWith(
            u"ENERGO='ΝΑΙ' AND 1=1 AND MORFWSH_MHTERAS='ΛΥΚΕΙΟ' AND 1=1 ORDER BY EPWNYMO_PAIDIOY ASC"_s));
        QCOMPARE(results->countText(), u"Βρέθηκαν 1 παιδιά"_s);

        window.motherBox()->setChecked(false);
        QVERIFY(!window.searchButton()->isEnabled());
        QVERIFY(window.motherLevel()->isHidden());
    }

    void bornBetweenFollowsTheForbiddenCharactersAndFindsChildrenWhoLeft() {
        searches::BornBetweenSearchWindow window(database->context, results.get());
        QVERIFY(window.searchButton()->isEnabled());
        QCOMPARE(window.searchButton()->text(), u"Eύ&ρεση"_s);
        window.fromField()->setText(u"01/09/2004'"_s);
        QVERIFY(!window.searchButton()->isEnabled());
        window.fromField()->setText(u"01/09/2004"_s);
        QVERIFY(window.searchButton()->isEnabled());

        window.toField()->setText(u"31/02/2005"_s);
        QTest::mouseClick(window.searchButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});
        QVERIFY(shown.isEmpty());
        QCOMPARE(database->titleLines(), (QStringList{u"πριν"_s, u"πριν"_s}));

        window.toField()->setText(u"31/08/2005"_s);
        QTest::mouseClick(window.searchButton(), Qt::LeftButton);
        QCOMPARE(
            database->titleLines(),
            (QStringList{u"ΠΑΙΔΙΑ ΠΟΥ ΓΕΝΝΗΘΗΚΑΝ ΑΠΟ 01/09/2004 ΜΕΧΡΙ 31/08/2005"_s, QString()}));
        QCOMPARE(results->result().rowCount(), 1);  // the child who left
        QCOMPARE(answers->warnings.size(), 1);
    }

    void rangeAndPositionSearchesRefuseWhatIsNotAWholeNumber() {
        searches::SiblingsSearchWindow siblings(database->context, results.get());
        QCOMPARE(siblings.searchButton()->text(), u"Εύ&ρεση"_s);
        siblings.fromField()->setText(u"0"_s);
        siblings.toField()->setText(u"0"_s);
        QTest::mouseClick(siblings.searchButton(), Qt::LeftButton);
        QCOMPARE(results->countText(), u"Βρέθηκαν 1 παιδιά"_s);  // the empty count is left out
        QCOMPARE(database->titleLines().first(), u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΑΠΟ 0 ΕΩΣ 0"_s);

        searches::BedroomsSearchWindow bedrooms(database->context, results.get());
        bedrooms.fromField()->setText(u"1.5"_s);
        QVERIFY(!bedrooms.searchButton()->isEnabled());
        bedrooms.fromField()->clear();
        QVERIFY(bedrooms.searchButton()->isEnabled());  // empty passes, and fails the check
        QTest::mouseClick(bedrooms.searchButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});

        searches::PositionSearchWindow position(database->context, results.get());
        position.positionField()->setText(u"β"_s);
        QTest::mouseClick(position.searchButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings.size(), 2);
        QCOMPARE(database->titleLines().first(), u"ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΔΕΛΦΙΑ ΑΠΟ 0 ΕΩΣ 0"_s);
        QCOMPARE(shown.size(), 1);

        position.positionField()->setText(u"2"_s);
        QTest::mouseClick(position.searchButton(), Qt::LeftButton);
        QCOMPARE(database->titleLines().first(), u"θΕΣΗ ΤΟΥ ΠΑΙΔΙΟΥ ΣΤΗΝ ΟΙΚΟΓΕΝΕΙΑ EINAI 2"_s);
        QCOMPARE(shown.size(), 2);
    }

    // An engine failure inside a guarded search ends with the same message; the searches over
    // chosen hours have no guard and let it through.
    void engineFailureIsGuardedOnlyWhereCriteriaAreTyped() {
        database->connection().executeNative(u"ALTER TABLE PERIGRAFH RENAME TO PERIGRAFH_OLD"_s);
        searches::PositionSearchWindow position(database->context, results.get());
        position.positionField()->setText(u"2"_s);
        QTest::mouseClick(position.searchButton(), Qt::LeftButton);
        QCOMPARE(answers->warnings, QStringList{u"Λανθασμένα κριτήρια."_s});

        searches::ArrivalSearchWindow arrival(database->context, results.get());
        arrival.hourList()->setCurrentIndex(1);
        QVERIFY_THROWS_EXCEPTION(db::Error, arrival.searchButton()->click());
        QVERIFY(shown.isEmpty());
    }

    void hourSearchesWaitForTheirHours() {
        searches::ArrivalSearchWindow arrival(database->context, results.get());
        QCOMPARE(arrival.hourList()->currentIndex(), -1);
        QCOMPARE(arrival.hourList()->count(), 20);
        QVERIFY(!arrival.searchButton()->isEnabled());
        arrival.hourList()->setCurrentText(u"07:30"_s);
        QVERIFY(arrival.searchButton()->isEnabled());
        QTest::mouseClick(arrival.searchButton(), Qt::LeftButton);
        QCOMPARE(database->titleLines().first(), u"ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΠΡΟΣΕΛΕΥΣΗΣ 07:30 "_s);
        QCOMPARE(results->result().rowCount(), 1);

        searches::DepartureSearchWindow departure(database->context, results.get());
        QCOMPARE(departure.hourList()->itemText(0), u"10:00"_s);
        QVERIFY(!departure.searchButton()->isEnabled());

        searches::ArrivalDepartureSearchWindow both(database->context, results.get());
        QCOMPARE(both.windowTitle(), u"Ώρα προσέλευσης  και αποχώρησης"_s);
        both.arrivalList()->setCurrentText(u"07:30"_s);
        QVERIFY(!both.searchButton()->isEnabled());
        both.departureList()->setCurrentText(u"14:00"_s);
        QVERIFY(both.searchButton()->isEnabled());
        QTest::mouseClick(both.searchButton(), Qt::LeftButton);
        QCOMPARE(database->titleLines().first(),
                 u"ΠΑΙΔΙΑ ΜΕ ΩΡΑ ΠΡΟΣΕΛΕΥΣΗΣ 07:30 ΚΑΙ ΩΡΑ ΑΠΟΧΩΡΗΣΗΣ 14:00 "_s);
        QCOMPARE(results->countText(), u"Βρέθηκαν 1 παιδιά"_s);
        QCOMPARE(shown.size(), 2);
    }

private:
    std::unique_ptr<searchtest::SearchDatabase> database;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
    std::unique_ptr<searches::SearchResultsWindow> results;
    QList<QDialog*> shown;
};

QTEST_MAIN(ParametrisedSearchWindowsTest)
#include "parametrised_search_windows_qtest.moc"
