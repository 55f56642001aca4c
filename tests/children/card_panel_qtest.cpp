// The mouse wheel over the child's card, on both windows that show it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>

#include "children/card_panel_window.h"
#include "children/child_details_window.h"
#include "children/registration_card_window.h"
#include "children_fixture.h"

using children::CardPanel;

class CardPanelTest : public QObject {
    Q_OBJECT

private:
    // One notch of the wheel over the middle of a widget, delivered as the window system
    // delivers a real one: to the window, which hands it to the widget under the cursor and
    // on to its parents while they leave it. Only a spontaneous event travels that way, and
    // sendEvent() would clear the mark, hence notify().
    static void turnWheelOver(QWidget* widget, int angle) {
        QWidget* window = widget->window();
        const QPoint middle = widget->rect().center();
        QWheelEvent wheel(widget->mapTo(window, middle), widget->mapToGlobal(middle), QPoint(),
                          QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(window->windowHandle(), &wheel);
    }

    // Turns the wheel over a widget of the card towards the end the card is farther from;
    // true when the card scrolled that way.
    static bool cardScrollsUnder(CardPanel* card, QWidget* widget) {
        card->ensureWidgetVisible(widget);
        QScrollBar* bar = card->verticalScrollBar();
        const int before = bar->value();
        const bool down = before < bar->maximum();
        turnWheelOver(widget, down ? -120 : 120);
        return down ? bar->value() > before : bar->value() < before;
    }

    static QLabel* labelOf(CardPanel* card, QWidget* field) {
        for (QLabel* label : card->widget()->findChildren<QLabel*>()) {
            if (label->buddy() == field) {
                return label;
            }
        }
        return nullptr;
    }

    // Every field of the card and its label scroll the card under the wheel, the drop-down
    // lists the staff have not clicked into keeping their values; a list with the focus takes
    // the turn as a change of its value instead.
    static void wheelOverTheWholeCard(QWidget& window, CardPanel* card) {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* firstName = card->field(QStringLiteral("ONOMA_PAIDIOY"));
        QVERIFY(qobject_cast<QPlainTextEdit*>(card->field(QStringLiteral("ALLERGIES"))));
        int lists = 0;
        for (QWidget* field : card->fieldsInOrder()) {
            firstName->setFocus();
            auto* list = qobject_cast<QComboBox*>(field);
            const int value = list ? list->currentIndex() : 0;
            QVERIFY2(cardScrollsUnder(card, field), qPrintable(field->objectName()));
            QVERIFY2(cardScrollsUnder(card, labelOf(card, field)), qPrintable(field->objectName()));
            if (list) {
                QVERIFY(!list->hasFocus());
                QCOMPARE(list->currentIndex(), value);
                ++lists;
            }
        }
        QVERIFY(lists > 0);

        auto* arrival = qobject_cast<QComboBox*>(card->field(QStringLiteral("WRA_ERXETAI")));
        card->ensureWidgetVisible(arrival);
        arrival->setFocus();
        const int scrolled = card->verticalScrollBar()->value();
        const int value = arrival->currentIndex();
        turnWheelOver(arrival, -120);
        QCOMPARE(arrival->currentIndex(), value + 1);
        QCOMPARE(card->verticalScrollBar()->value(), scrolled);
    }

private slots:
    void theWheelScrollsTheRegistrationCard() {
        childrentest::DeliveredProgram program;
        children::RegistrationCardWindow window(program.context);
        wheelOverTheWholeCard(window, window.card());
    }

    void theWheelScrollsTheChildDetailsCard() {
        childrentest::DeliveredProgram program;
        program.addChild(5, QStringLiteral("Άννα"), QStringLiteral("Βασιλείου"), {2015, 1, 5});
        children::ChildDetailsWindow window(program.context, QStringLiteral("5"));
        wheelOverTheWholeCard(window, window.card());
    }
};

QTEST_MAIN(CardPanelTest)
#include "card_panel_qtest.moc"
