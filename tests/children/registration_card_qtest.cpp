#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include "children/card_panel_window.h"
#include "children/registration_card_window.h"
#include "children_fixture.h"
#include "children_window_fixture.h"
#include "db/error.h"
#include "ui/navigator.h"

using childrentest::choose;
using childrentest::typeInto;

class RegistrationCardTest : public QObject {
    Q_OBJECT

private:
    static QWidget* field(children::RegistrationCardWindow& card, const char* column) {
        return card.card()->field(QString::fromLatin1(column));
    }
    static QString text(children::RegistrationCardWindow& card, const char* column) {
        return qobject_cast<QLineEdit*>(field(card, column))->text();
    }
    static void fillCard(children::RegistrationCardWindow& card, const QString& number) {
        typeInto(field(card, "ARITHMOS_MHTRWOY"), number);
        typeInto(field(card, "ONOMA_PAIDIOY"), QStringLiteral("Ελένη"));
        typeInto(field(card, "EPWNYMO_PAIDIOY"), QStringLiteral("Παπαδάκη"));
        typeInto(field(card, "HMEROMHNIA_GENNHSEWS"), QStringLiteral("12/5/2006"));
        choose(field(card, "FYLO"), QStringLiteral("Κορίτσι"));
        typeInto(field(card, "ADELFOYS"), QStringLiteral("1"));
        typeInto(field(card, "ALLERGIES"), QStringLiteral("Φράουλες"));
        choose(field(card, "WRA_ERXETAI"), QStringLiteral("08:30"));
    }
    static int written(childrentest::DeliveredProgram& program) {
        return program.count(QStringLiteral("SELECT COUNT(*) FROM CHILDREN")) +
               program.count(QStringLiteral("SELECT COUNT(*) FROM CHILDREN_EGG_DIAG")) +
               program.count(QStringLiteral("SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN"));
    }

private slots:
    void savingRegistersTheChildWithAnOpenEnrolmentAndThisMonthsTuition() {
        childrentest::DeliveredProgram program;
        db::Clock::set(QDateTime(QDate(2010, 3, 3), QTime(10, 15)));
        children::RegistrationCardWindow card(program.context);
        QCOMPARE(card.windowTitle(), QStringLiteral("Καταχώρηση των στοιχείων του παιδιού"));
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Empty);
        fillCard(card, QStringLiteral(" 25 "));
        QCOMPARE(card.pendingRegistryNumber(), QStringLiteral("25"));
        QVERIFY(card.navigator()->button(ui::Navigator::Post)->isEnabled());

        QVERIFY(card.saveCard());

        db::Query child(program.connection, QStringLiteral("SELECT * FROM CHILDREN"));
        child.open();
        QCOMPARE(child.rowCount(), 1);
        QCOMPARE(child.value(QStringLiteral("ARITHMOS_MHTRWOY")).toInt(), 25);
        QCOMPARE(child.text(QStringLiteral("ENERGO")), QStringLiteral("ΝΑΙ"));
        QCOMPARE(child.value(QStringLiteral("HMEROMHNIA_GENNHSEWS")).toDate(), QDate(2006, 5, 12));
        QCOMPARE(child.text(QStringLiteral("FYLO")), QStringLiteral("Κορίτσι"));
        QCOMPARE(child.text(QStringLiteral("WRA_ERXETAI")), QStringLiteral("08:30"));
        QCOMPARE(child.text(QStringLiteral("ALLERGIES")), QStringLiteral("Φράουλες"));
        QVERIFY(child.value(QStringLiteral("ZEI_O_PATERAS")).isNull());  // never chosen

        db::Query enrolment(program.connection, QStringLiteral("SELECT * FROM CHILDREN_EGG_DIAG"));
        enrolment.open();
        QCOMPARE(enrolment.rowCount(), 1);
        QCOMPARE(enrolment.value(QStringLiteral("ARITHMOS_MHTRWOY")).toInt(), 25);
        QCOMPARE(enrolment.value(QStringLiteral("HMEROMHNIA_EGGRAFHS")).toDate(),
                 QDate(2010, 3, 3));
        QVERIFY(enrolment.value(QStringLiteral("HMEROMHNIA_DIAGRAFHS")).isNull());
        QVERIFY(enrolment.value(QStringLiteral("LOGOS_DIAGRAFHS")).isNull());

        db::Query tuition(program.connection,
                          QStringLiteral("SELECT * FROM APODEIKSEIS_DIDAKTRWN"));
        tuition.open();
        QCOMPARE(tuition.rowCount(), 1);
        QCOMPARE(tuition.value(QStringLiteral("ARITHMOS_MHTRWOY")).toInt(), 25);
        QCOMPARE(tuition.text(QStringLiteral("CHECKER")), QStringLiteral("Χ"));
        QCOMPARE(tuition.value(QStringLiteral("MHNAS")).toInt(), 3);
        QCOMPARE(tuition.value(QStringLiteral("ETOS")).toInt(), 2010);

        // The saved card cannot be changed nor saved again: no second open enrolment.
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Saved);
        QVERIFY(qobject_cast<QLineEdit*>(field(card, "ONOMA_PAIDIOY"))->isReadOnly());
        QVERIFY(qobject_cast<QPlainTextEdit*>(field(card, "ALLERGIES"))->isReadOnly());
        QVERIFY(!field(card, "FYLO")->isEnabled());
        QVERIFY(!card.navigator()->button(ui::Navigator::Post)->isEnabled());
        QVERIFY(!card.saveCard());
        QCOMPARE(written(program), 3);
    }

    void lettersInNumbersOrDatesAreRefusedAndNothingIsWritten() {
        childrentest::DeliveredProgram program;
        const QList<QPair<const char*, QString>> wrong = {
            {"ARITHMOS_MHTRWOY", QStringLiteral("2α")},
            {"ADELFOYS", QStringLiteral("δύο")},
            {"HMEROMHNIA_GENNHSEWS", QStringLiteral("31/02/2006")},
            {"HMEROMHNIA_GENNHSEWS", QStringLiteral("αύριο")},
        };
        for (const auto& [column, typed] : wrong) {
            testsupport::ModalAnswers seam;
            ui::ScopedModalSeam scoped(seam);
            children::RegistrationCardWindow card(program.context);
            fillCard(card, QStringLiteral("25"));
            typeInto(field(card, column), typed);
            QVERIFY(!card.saveCard());
            QCOMPARE(seam.errors.size(), 1);
            QCOMPARE(written(program), 0);
            QCOMPARE(text(card, column), typed);  // the typing stays
            QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Changed);
        }
    }

    void aDuplicateRegistryNumberFailsWithTheEnginesTextAndWritesNothing() {
        childrentest::DeliveredProgram program;
        program.addChild(25, QStringLiteral("Νίκος"), QStringLiteral("Νικολάου"), {2006, 1, 1});
        children::RegistrationCardWindow card(program.context);
        fillCard(card, QStringLiteral("25"));
        try {
            card.saveCard();
            QFAIL("the duplicate was written");
        } catch (const db::Error& error) {
            QVERIFY(error.message().contains(QStringLiteral("UNIQUE")) ||
                    error.message().contains(QStringLiteral("PRIMARY")));
        }
        QCOMPARE(written(program), 1);  // only the child registered before
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Changed);
        QCOMPARE(text(card, "EPWNYMO_PAIDIOY"), QStringLiteral("Παπαδάκη"));
    }

    void newCardSavesAChangedCardFirstAndOnlyClearsAnUntouchedOne() {
        childrentest::DeliveredProgram program;
        children::RegistrationCardWindow card(program.context);
        card.newCard();
        QCOMPARE(written(program), 0);
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Empty);

        fillCard(card, QStringLiteral("7"));
        card.newCard();
        QCOMPARE(written(program), 3);
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Empty);
        QCOMPARE(text(card, "ARITHMOS_MHTRWOY"), QString());
        QCOMPARE(qobject_cast<QComboBox*>(field(card, "FYLO"))->currentText(), QString());
        QVERIFY(!qobject_cast<QLineEdit*>(field(card, "ONOMA_PAIDIOY"))->isReadOnly());

        // A second child on the same card window.
        fillCard(card, QStringLiteral("8"));
        QVERIFY(card.saveCard());
        QCOMPARE(program.count(QStringLiteral("SELECT COUNT(*) FROM CHILDREN_EGG_DIAG WHERE "
                                              "ARITHMOS_MHTRWOY=8")),
                 1);
    }

    void theNavigatorsButtonsSaveACardAndBeginTheNext() {
        childrentest::DeliveredProgram program;
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        children::RegistrationCardWindow card(program.context);
        QToolButton* save = card.navigator()->button(ui::Navigator::Post);
        QToolButton* newCard = card.navigator()->button(ui::Navigator::Insert);
        QVERIFY(!save->isEnabled());
        fillCard(card, QStringLiteral("9"));
        save->click();
        QCOMPARE(written(program), 3);
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Saved);
        QVERIFY(!save->isEnabled());

        newCard->click();
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Empty);
        newCard->click();  // an untouched card is only cleared
        QCOMPARE(written(program), 3);

        // A refused value keeps the card as typed, unsaved; mended, the new card saves it.
        fillCard(card, QStringLiteral("1ο"));
        newCard->click();
        QCOMPARE(seam.errors.size(), 1);
        QCOMPARE(written(program), 3);
        QCOMPARE(text(card, "ARITHMOS_MHTRWOY"), QStringLiteral("1ο"));
        typeInto(field(card, "ARITHMOS_MHTRWOY"), QStringLiteral("10"));
        newCard->click();
        QCOMPARE(written(program), 6);
        QCOMPARE(card.cardState(), children::RegistrationCardWindow::CardState::Empty);
        QCOMPARE(program.count(QStringLiteral("SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN WHERE "
                                              "ARITHMOS_MHTRWOY=10")),
                 1);
    }

    void closingAnUnsavedCardWritesNothing() {
        childrentest::DeliveredProgram program;
        testsupport::ModalAnswers seam;
        ui::ScopedModalSeam scoped(seam);
        children::RegistrationCardWindow card(program.context);
        fillCard(card, QStringLiteral("3"));
        card.reject();
        QCOMPARE(written(program), 0);
        QVERIFY(seam.questions.isEmpty());
    }

    void theKeyboardFollowsTheCardsOrder() {
        childrentest::DeliveredProgram program;
        children::RegistrationCardWindow card(program.context);
        const QList<QWidget*> fields = card.card()->fieldsInOrder();
        QCOMPARE(fields.size(), 93);
        for (int i = 1; i < fields.size(); ++i) {
            QWidget* next = fields.at(i - 1)->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus) {
                next = next->nextInFocusChain();
            }
            QCOMPARE(next, fields.at(i));
        }
    }
};

QTEST_MAIN(RegistrationCardTest)
#include "registration_card_qtest.moc"
