// The program's own message boxes, with the Greek translation of the toolkit installed as the
// program installs it: their buttons read as those of every other dialog, and Enter and Escape
// answer as the staff expect.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/greek_translation.h"
#include "ui/modal.h"

using namespace Qt::StringLiterals;

namespace {

QStringList sorted(QStringList texts) {
    texts.sort();
    return texts;
}

struct SeenBox {
    QStringList buttons;  // the button texts, sorted
    QString defaultButton;
};

// Shows a box through `ask`, notes its buttons and presses `key` on it.
SeenBox answerNextBox(Qt::Key key, const std::function<void()>& ask) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(button->text());
        }
        seen.buttons.sort();
        seen.defaultButton = box->defaultButton()->text();
        QTest::keyClick(box, key);
    });
    ask();
    return seen;
}

}  // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::installGreekTranslation(*QCoreApplication::instance()); }

    void buttonsReadAsInTheToolkitsDialogs() {
        const QDialogButtonBox toolkit(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                       QDialogButtonBox::Yes | QDialogButtonBox::No);
        const QString ok = toolkit.button(QDialogButtonBox::Ok)->text();
        const QString cancel = toolkit.button(QDialogButtonBox::Cancel)->text();
        QCOMPARE(ok, u"Εντάξει"_s);

        SeenBox seen =
            answerNextBox(Qt::Key_Return, [] { ui::inform(nullptr, u"Αποθηκεύτηκε"_s); });
        QCOMPARE(seen.buttons, QStringList{ok});
        seen = answerNextBox(Qt::Key_Escape, [] { ui::reportError(nullptr, u"Σφάλμα"_s); });
        QCOMPARE(seen.buttons, QStringList{ok});

        bool answer = false;
        seen = answerNextBox(Qt::Key_Return,
                             [&answer] { answer = ui::askYesNo(nullptr, u"Έξοδος;"_s); });
        QCOMPARE(seen.buttons, sorted({toolkit.button(QDialogButtonBox::Yes)->text(),
                                       toolkit.button(QDialogButtonBox::No)->text()}));
        QCOMPARE(seen.buttons, sorted({u"&Ναι"_s, u"Ό&χι"_s}));
        QCOMPARE(seen.defaultButton, u"&Ναι"_s);
        QVERIFY(answer);
        answerNextBox(Qt::Key_Escape, [&answer] { answer = ui::askYesNo(nullptr, u"Έξοδος;"_s); });
        QVERIFY(!answer);

        seen = answerNextBox(Qt::Key_Return,
                             [&answer] { answer = ui::askOkCancel(nullptr, u"Delete record?"_s); });
        QCOMPARE(seen.buttons, sorted({ok, cancel}));
        QCOMPARE(seen.defaultButton, ok);
        QVERIFY(answer);
        answerNextBox(Qt::Key_Escape,
                      [&answer] { answer = ui::askOkCancel(nullptr, u"Delete record?"_s); });
        QVERIFY(!answer);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_qtest.moc"
