// The program shell on a real delivered database: the start-up windows in their order, the
// password windows' rules, today's reminder, the menu and its receipt-numbering swap, the exit
// question and the general error report.
#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/about_window.h"
#include "app/access_check_window.h"
#include "app/change_password_window.h"
#include "app/desktop_programs.h"
#include "app/main_window.h"
#include "app/menu_tree.h"
#include "app/set_password_window.h"
#include "app/shell_application.h"
#include "app/shell_command_map.h"
#include "app/shell_long_lived.h"
#include "common/program_context.h"
#include "db/clock.h"
#include "db/error.h"
#include "db/query.h"
#include "organiser/todays_reminder_window.h"
#include "support/delivered_database.h"
#include "ui/long_lived_windows.h"
#include "ui/modal_answers.h"

using namespace Qt::StringLiterals;

namespace {

QPushButton* button(QWidget* window, const QString& text) {
    for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

QList<QLineEdit*> fields(QWidget* window) {
    return window->findChildren<QLineEdit*>();
}

// The menu entry reached through these captions, from the menu bar down.
QAction* menuEntry(QMenuBar* bar, const QStringList& path) {
    QList<QAction*> entries = bar->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* entry : entries) {
            if (entry->text() == caption) {
                found = entry;
            }
        }
        if (!found) {
            return nullptr;
        }
        entries = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

QList<QAction*> allEntries(const QList<QAction*>& entries) {
    QList<QAction*> all;
    for (QAction* entry : entries) {
        all.append(entry);
        if (entry->menu()) {
            all.append(allEntries(entry->menu()->actions()));
        }
    }
    return all;
}

QString className(QObject* object) {
    return QString::fromLatin1(object->metaObject()->className());
}

// An object whose events fail, as a window's slot does when a statement is refused.
// Fails on every event: with an engine error, a database busy with another connection (a write
// on `busy`), or an error of its own.
class FailingObject : public QObject {
public:
    static constexpr QEvent::Type kBusyWrite = QEvent::Type(QEvent::User + 2);
    db::Connection* busy = nullptr;

    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw db::Error(u"no such table: ΠΟΥΘΕΝΑ"_s);
        }
        if (event->type() == kBusyWrite) {
            busy->execute(u"UPDATE SECURE SET [PASSWORD]='Κήπος7'"_s);
        }
        throw std::runtime_error("a toolkit failure");
    }
};

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<testsupport::DeliveredDatabase>();
        answers = std::make_unique<testsupport::ModalAnswers>();
        seam = std::make_unique<ui::ScopedModalSeam>(*answers);
        context = database->dir().programContext();
        db::Clock::set(QDateTime(QDate(2024, 3, 15), QTime(8, 30)));
        answers->onShow = [this](QDialog* window) {
            shown.append(className(window));
            if (auto* check = qobject_cast<app::AccessCheckWindow*>(window)) {
                return enterPassword(check);
            }
            return int(QDialog::Accepted);
        };
        shown.clear();
    }
    void cleanup() {
        seam.reset();
        database.reset();
        db::Clock::reset();
    }

    void factoryDefaultAsksForANewPasswordThenChecksIt() {
        answers->onShow = [this](QDialog* window) {
            shown.append(className(window));
            if (auto* setPassword = qobject_cast<app::SetPasswordWindow*>(window)) {
                QSignalSpy left(setPassword, &QDialog::finished);
                QTest::keyClick(setPassword, Qt::Key_Escape);  // cannot be left without one
                escapeIgnored = left.isEmpty();
                fields(setPassword).at(0)->setText(u" Κήπος7 "_s);
                fields(setPassword).at(1)->setText(u"Κήπος7"_s);
                button(setPassword, u"Καταχώρηση"_s)->click();
                return setPassword->result();
            }
            if (auto* check = qobject_cast<app::AccessCheckWindow*>(window)) {
                QLineEdit* field = fields(check).first();
                field->setText(u"κήπος7"_s);
                button(check, u"Εί&σοδος"_s)->click();
                checkedWrongPassword =
                    answers->warnings.last() == u"Λανθασμένος κωδικός πρόσβασης."_s &&
                    field->text().isEmpty() && !button(check, u"Εί&σοδος"_s)->isEnabled() &&
                    !check->accessGranted();
                field->setText(u"Κήπος7 "_s);
                button(check, u"Εί&σοδος"_s)->click();
                return check->result();
            }
            return int(QDialog::Accepted);
        };
        app::MainWindow mainWindow(context);
        QCOMPARE(mainWindow.start(database->dir().path()), app::StartupOutcome::Running);
        QCOMPARE(shown, (QStringList{u"app::SplashWindow"_s, u"app::SetPasswordWindow"_s,
                                     u"app::AccessCheckWindow"_s}));
        QVERIFY(escapeIgnored);
        QVERIFY(checkedWrongPassword);
        QVERIFY(answers->informations.contains(
            u"Ο καθορισμός του κωδικού πρόσβασης έγινε με επιτυχία."_s));
        QCOMPARE(db::scalar(database->connection(), u"SELECT PASSWORD FROM SECURE"_s).toString(),
                 u"Κήπος7"_s);
        QVERIFY(mainWindow.windowState() & Qt::WindowMaximized);
        QCOMPARE(mainWindow.calendar()->selectedDate(), QDate(2024, 3, 15));
        QVERIFY(mainWindow.makersNotice().endsWith(u"Version 2.0.0"_s));
    }

    void passwordsWithStatementCharactersKeepTheButtonsDisabled() {
        app::AccessCheckWindow check(context);
        QLineEdit* password = fields(&check).first();
        QPushButton* enter = button(&check, u"Εί&σοδος"_s);
        QVERIFY(!enter->isEnabled());
        for (const QString& refused : {u"ab-cd"_s, u"ab.cd"_s, u"o'neil"_s, u"   "_s}) {
            password->setText(refused);
            QVERIFY2(!enter->isEnabled(), qPrintable(refused));
        }
        password->setText(u" 40917263 "_s);
        QVERIFY(enter->isEnabled());

        app::SetPasswordWindow setPassword(context);
        QPushButton* store = button(&setPassword, u"Καταχώρηση"_s);
        fields(&setPassword).at(0)->setText(u"a.b"_s);
        fields(&setPassword).at(1)->setText(u"a.b"_s);
        QVERIFY(!store->isEnabled());
        fields(&setPassword).at(0)->setText(u"ab"_s);
        fields(&setPassword).at(1)->setText(u"ab "_s);
        QVERIFY(store->isEnabled());

        app::ChangePasswordWindow change(context);
        QPushButton* changeButton = button(&change, u"Αλ&λαγή"_s);
        const QList<QLineEdit*> changeFields = fields(&change);
        changeFields.at(1)->setText(u"νέος"_s);
        changeFields.at(2)->setText(u"νέος"_s);
        changeFields.at(0)->setText(u"40917264"_s);
        QVERIFY(!changeButton->isEnabled());  // a wrong old password says nothing
        changeFields.at(0)->setText(u"40917263"_s);
        QVERIFY(changeButton->isEnabled());
        changeFields.at(2)->setText(u"νέ-ος"_s);
        QVERIFY(!changeButton->isEnabled());
        changeFields.at(2)->setText(u"νέος"_s);
        changeButton->click();
        QCOMPARE(answers->informations.last(),
                 u"Η αλλαγή του κωδικού πρόσβασης έγινε με επιτυχία."_s);
        QCOMPARE(db::scalar(database->connection(), u"SELECT PASSWORD FROM SECURE"_s).toString(),
                 u"νέος"_s);
    }

    void leavingTheAccessCheckEndsTheProgram() {
        setStoredPassword();
        answers->onShow = [this](QDialog* window) {
            shown.append(className(window));
            if (auto* check = qobject_cast<app::AccessCheckWindow*>(window)) {
                QSignalSpy left(window, &QDialog::rejected);
                QTest::keyClick(window, Qt::Key_Escape);
                grantedAfterLeaving = check->accessGranted();
                return left.size() == 1 ? window->result() : int(QDialog::Accepted);
            }
            return int(QDialog::Accepted);
        };
        app::MainWindow mainWindow(context);
        QCOMPARE(mainWindow.start(database->dir().path()), app::StartupOutcome::AccessRefused);
        QVERIFY(!grantedAfterLeaving);
        QVERIFY(!mainWindow.isEnabled());
        QVERIFY(!mainWindow.isVisible());
    }

    void aMissingDatabaseIsReportedAndEndsTheProgram() {
        QFile::remove(database->dir().databasePath());
        app::MainWindow mainWindow(context);
        QCOMPARE(mainWindow.start(database->dir().path()), app::StartupOutcome::DatabaseProblem);
        QCOMPARE(
            answers->errors.last(),
            u"Υπάρχει πρόβλημα με την βάση δεδομένων.\nΤο λογισμικό θα τερματίσει την λειτουργία του."_s);
        QVERIFY(!mainWindow.isEnabled());
    }

    void todaysReminderAndBirthdaysOpenTheirWindows() {
        setStoredPassword();
        run(u"INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#3/15/2024#,'Φέρτε μαγιό')"_s);
        run(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,HMEROMHNIA_GENNHSEWS,ENERGO) VALUES(1,#3/15/2019#,'ΟΧΙ')"_s);
        QString popupText;
        answers->onShow = [this, &popupText](QDialog* window) {
            shown.append(className(window));
            if (auto* popup = qobject_cast<organiser::TodaysReminderWindow*>(window)) {
                popup->show();
                QCoreApplication::processEvents();
                popupText = popup->textField()->toPlainText();
                popup->close();
            }
            if (auto* check = qobject_cast<app::AccessCheckWindow*>(window)) {
                return enterPassword(check);
            }
            return int(QDialog::Accepted);
        };
        {
            app::MainWindow mainWindow(context);
            QCOMPARE(mainWindow.start(database->dir().path()), app::StartupOutcome::Running);
        }
        QCOMPARE(shown, (QStringList{u"app::SplashWindow"_s, u"app::AccessCheckWindow"_s,
                                     u"organiser::TodaysReminderWindow"_s}));
        QCOMPARE(popupText, u"Φέρτε μαγιό"_s);

        run(u"INSERT INTO REMINDER(HMEROMHNIA,KEIMENO) VALUES(#3/15/2024#,'Γιορτή')"_s);
        run(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,HMEROMHNIA_GENNHSEWS,ENERGO) VALUES(2,#3/15/2020#,'ΝΑΙ')"_s);
        shown.clear();
        app::MainWindow mainWindow(context);
        QCOMPARE(mainWindow.start(database->dir().path()), app::StartupOutcome::Running);
        QCOMPARE(shown, (QStringList{u"app::SplashWindow"_s, u"app::AccessCheckWindow"_s,
                                     u"children::BirthdaysWindow"_s}));
    }

    void theMenuOffersEveryEntryAndEnablesTheTiedOnes() {
        app::MainWindow mainWindow(context);
        QMenuBar* bar = mainWindow.menuBar();
        QStringList topLevel;
        for (QAction* entry : bar->actions()) {
            topLevel.append(entry->text());
        }
        QCOMPARE(topLevel,
                 (QStringList{u"&Επιλογές"_s, u"Έ&ρευνα"_s, u"&About velorima"_s, u"Έ&ξοδος"_s}));

        int disabledSearches = 0;
        int entries = 0;
        for (QAction* entry : allEntries(bar->actions())) {
            entries += entry->isSeparator() ? 0 : 1;
        }
        for (const app::MenuRow& row : app::mainMenuRows()) {
            disabledSearches += row.kind == app::MenuRowKind::CannedSearch ? 1 : 0;
        }
        QCOMPARE(disabledSearches, 76);
        QCOMPARE(entries, int(std::count_if(app::mainMenuRows().begin(), app::mainMenuRows().end(),
                                            [](const app::MenuRow& row) {
                                                return row.kind != app::MenuRowKind::Separator;
                                            })));

        QAction* vaccination =
            menuEntry(bar, {u"Έ&ρευνα"_s, u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s,
                            u"Εμβόλια"_s, u"Παιδιά που δεν έκαναν εμβόλιο &πολυομυελίτιδα&ς"_s});
        QVERIFY(vaccination);
        QVERIFY(vaccination->isEnabled());
        QAction* changePassword =
            menuEntry(bar, {u"&Επιλογές"_s, u"Αλλαγή του κωδικού πρόσβασης"_s});
        QVERIFY(changePassword && changePassword->isEnabled());
        QVERIFY(menuEntry(bar, {u"&Επιλογές"_s, u"Backup"_s})->isEnabled());

        // Every side button runs the same command as its menu entry.
        QVERIFY(!mainWindow.sidePanel()->isVisibleTo(&mainWindow));
        const QList<QPushButton*> sideButtons =
            mainWindow.sidePanel()->findChildren<QPushButton*>();
        QCOMPARE(sideButtons.size(), 12);
        QCOMPARE(button(mainWindow.sidePanel(), u"Προσφερόμενα φαγητά"_s)->isEnabled(),
                 app::hasWindow(u"TForm42"));

        menuEntry(bar, {u"&Επιλογές"_s, u"Backup"_s})->trigger();
        QVERIFY(answers->informations.last().contains(u"data.mdb"_s));
        // No file browser answers here (the headless platform has none): the staff are told
        // where the pictures are.
        menuEntry(bar, {u"&Επιλογές"_s, u"Συλλογή εικόνων"_s})->trigger();
        QCOMPARE(answers->warnings,
                 QStringList{app::noFileBrowserMessage(context.programFile(u"IMAGES"_s))});
        QVERIFY(shown.isEmpty());
    }

    void longLivedWindowsKeepTheirInstanceAndFreshOnesDoNot() {
        const ui::LongLivedWindows longLived(app::createLongLivedWindows(context));
        app::MainWindow mainWindow(context);
        QList<QDialog*> opened;
        answers->onShow = [&opened](QDialog* window) {
            opened.append(window);
            return int(QDialog::Accepted);
        };
        for (int time = 0; time < 2; ++time) {
            menuEntry(mainWindow.menuBar(), {u"&About velorima"_s})->trigger();
            menuEntry(mainWindow.menuBar(), {u"&Επιλογές"_s, u"Αλλαγή του κωδικού πρόσβασης"_s})
                ->trigger();
        }
        QCOMPARE(opened.size(), 4);
        QVERIFY(qobject_cast<app::AboutWindow*>(opened.at(0)));
        QCOMPARE(opened.at(0), opened.at(2));
        QCOMPARE(opened.at(0), ui::longLivedWindow<app::AboutWindow>());
    }

    void aCannedSearchEntryListsItsChildrenInTheSearchResultsWindow() {
        const ui::LongLivedWindows longLived(app::createLongLivedWindows(context));
        app::MainWindow mainWindow(context);
        shown.clear();
        menuEntry(mainWindow.menuBar(),
                  {u"Έ&ρευνα"_s, u"&Ατομικό πληροφοριακό δελτίο - Δελτίο υγείας"_s, u"Εμβόλια"_s,
                   u"Παιδιά που δεν έκαναν εμβόλιο &πολυομυελίτιδα&ς"_s})
            ->trigger();
        QCOMPARE(shown, QStringList{u"searches::SearchResultsWindow"_s});
        QCOMPARE(db::scalar(database->connection(), u"SELECT KEIMENO1 FROM PERIGRAFH"_s).toString(),
                 u"ΠΑΙΔΙΑ ΠΟΥ ΔΕΝ ΕΚΑΝΑΝ ΕΜΒΟΛΙΟ ΠΟΛΥΟΜΥΕΛΙΤΙΔΑΣ"_s);
    }

    void receiptNumberingSwapsTheMenuEntriesWithoutARestart() {
        app::MainWindow mainWindow(context);
        QAction* numbering =
            menuEntry(mainWindow.menuBar(),
                      {u"&Επιλογές"_s, u"Ρυθμίσεις"_s, u"Καθορισμός αρίθμησης των αποδείξεων"_s});
        QAction* generalReceipts = menuEntry(
            mainWindow.menuBar(), {u"&Επιλογές"_s, u"Αποδείξεις εισπράξεως γενικής φύσεως"_s});
        QVERIFY(numbering && generalReceipts);
        QVERIFY(numbering->isVisible());
        QVERIFY(!generalReceipts->isVisible());

        run(u"INSERT INTO APODEIKSH_LAST(LAST_NUMBER) VALUES(1)"_s);
        QVERIFY(app::hasWindow(app::receiptNumberingCommand()));
        numbering->trigger();  // the check runs once the numbering window has closed
        QCOMPARE(shown, QStringList{u"finance::ReceiptNumberingWindow"_s});
        QVERIFY(!numbering->isVisible());
        QVERIFY(generalReceipts->isVisible());
        QVERIFY(context.receiptNumberingSet);
    }

    void exitAsksFirstAndEndsThroughTheSplash() {
        app::MainWindow mainWindow(context);
        mainWindow.show();
        answers->answers = {false};
        QVERIFY(!mainWindow.close());
        QVERIFY(mainWindow.isVisible());
        QCOMPARE(answers->questions, QStringList{u"Έξοδος;"_s});
        QVERIFY(shown.isEmpty());

        answers->answers = {true};
        QVERIFY(mainWindow.close());
        QVERIFY(!mainWindow.isVisible());
        QCOMPARE(shown, QStringList{u"app::SplashWindow"_s});
    }

    void anUnhandledFailureIsReportedAndTheProgramGoesOn() {
        FailingObject failing;
        QEvent userEvent(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&failing, &userEvent));
        QEvent otherEvent(QEvent::Type(QEvent::User + 1));
        QVERIFY(!QCoreApplication::sendEvent(&failing, &otherEvent));
        QCOMPARE(answers->errors,
                 (QStringList{u"no such table: ΠΟΥΘΕΝΑ"_s, u"a toolkit failure"_s}));

        // A write that waited in vain for another program's lock is said in Greek, with the
        // engine's words kept as the detail.
        db::Connection busy(context.connectionString);
        busy.open();
        busy.executeNative(u"PRAGMA busy_timeout = 100"_s);
        failing.busy = &busy;
        database->connection().executeNative(u"BEGIN IMMEDIATE"_s);
        QEvent busyEvent(FailingObject::kBusyWrite);
        QVERIFY(!QCoreApplication::sendEvent(&failing, &busyEvent));
        database->connection().executeNative(u"ROLLBACK"_s);
        QCOMPARE(answers->errors.size(), 3);
        QVERIFY(answers->errors.last().startsWith(
            u"Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή"_s));
        QVERIFY(answers->errors.last().endsWith(u"\n\nΛεπτομέρειες: database is locked"_s));
    }

private:
    void run(const QString& statement) { database->connection().execute(statement); }

    // A password of the user's own, so that the start-up goes straight to the access check.
    void setStoredPassword() { run(u"UPDATE SECURE SET [PASSWORD]='Κήπος7'"_s); }

    int enterPassword(app::AccessCheckWindow* check) {
        fields(check).first()->setText(u"Κήπος7"_s);
        button(check, u"Εί&σοδος"_s)->click();
        return check->result();
    }

    std::unique_ptr<testsupport::DeliveredDatabase> database;
    std::unique_ptr<testsupport::ModalAnswers> answers;
    std::unique_ptr<ui::ScopedModalSeam> seam;
    QStringList shown;
    common::ProgramContext context;
    bool checkedWrongPassword = false;
    bool grantedAfterLeaving = true;
    bool escapeIgnored = false;
};

int main(int argc, char* argv[]) {
    app::Application application(argc, argv);
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_qtest.moc"
