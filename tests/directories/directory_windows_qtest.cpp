// The directories' windows headless: search as you type with its enabling rule, editing the
// rows found, the refused hours, the buttons of each navigator, the paediatricians' count.
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "common/program_context.h"
#include "db/command.h"
#include "db/query.h"
#include "directories/doctors_window.h"
#include "directories/paediatricians_window.h"
#include "directories/phone_book_entry_window.h"
#include "directories/phone_book_find_window.h"
#include "directories/staff_find_window.h"
#include "support/delivered_database.h"
#include "ui/count_label.h"
#include "ui/modal_answers.h"

namespace {

QStringList names(directories::DirectoryWindow& window) {
    QStringList texts;
    QAbstractItemModel* model = window.grid()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        texts.append(model->index(row, 0).data().toString());
    }
    return texts;
}

bool controlsEnabled(directories::DirectoryWindow& window, const QString& firstColumn) {
    return window.field(firstColumn)->isEnabled() && window.grid()->isEnabled() &&
           window.navigator()->isEnabled();
}

}  // namespace

class DirectoryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<testsupport::DeliveredDatabase>();
        context = database->dir().programContext();
    }
    void cleanup() { database.reset(); }

    void emptyPhoneBookFindsNothingWithTheFieldsEnabled() {
        directories::PhoneBookFindWindow window(context);
        QCOMPARE(window.grid()->model()->rowCount(), 0);
        QVERIFY(controlsEnabled(window, QStringLiteral("CONTACT")));
    }

    void forbiddenCharacterDisablesAndKeepsThePreviousResult() {
        addContacts();
        directories::PhoneBookFindWindow window(context);
        QCOMPARE(window.grid()->model()->rowCount(), 3);
        window.searchEdit()->setText(QStringLiteral("πα"));
        const QStringList found = {QStringLiteral("Παπαδόπουλος Γιώργος"),
                                   QStringLiteral("παπάς Νίκος")};
        QCOMPARE(names(window), found);
        QVERIFY(controlsEnabled(window, QStringLiteral("CONTACT")));

        for (const QString& typed :
             {QStringLiteral("πα'"), QStringLiteral("πα."), QStringLiteral("π-")}) {
            window.searchEdit()->setText(typed);
            QVERIFY2(!controlsEnabled(window, QStringLiteral("CONTACT")), qPrintable(typed));
            QVERIFY(!window.field(QStringLiteral("EMAIL"))->isEnabled());
            QCOMPARE(names(window), found);
        }
        window.searchEdit()->setText(QStringLiteral("ΠΈΤ"));
        QVERIFY(controlsEnabled(window, QStringLiteral("CONTACT")));
        QCOMPARE(names(window), QStringList{QStringLiteral("Πέτρου Άννα")});
    }

    void rowFoundAndEditedIsWrittenBeforeTheNextSearch() {
        addContacts();
        directories::PhoneBookFindWindow window(context);
        QVERIFY(!window.navigator()->button(ui::Navigator::Insert));
        window.searchEdit()->setText(QStringLiteral("πέ"));
        QTest::keyClicks(window.field(QStringLiteral("PHONE1")), QStringLiteral("22334455"));
        window.searchEdit()->setText(QStringLiteral("π"));
        QCOMPARE(db::scalar(database->connection(),
                            QStringLiteral("select PHONE1 from CONTACTS where PHONE1 IS NOT NULL"))
                     .toString(),
                 QStringLiteral("22334455"));
        QCOMPARE(window.grid()->model()->rowCount(), 3);
    }

    void staffHoursThatAreNoNumberAreRefusedWithTheTypingKept() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        db::Command(database->connection())
            .execute(QStringLiteral("INSERT INTO PROSWPIKO(PERSON,POSITION,WRES) "
                                    "VALUES('Κωνσταντίνου Μαρία','Νηπιαγωγός',30)"));
        directories::StaffFindWindow window(context);
        window.searchEdit()->setText(QStringLiteral("κων"));
        QLineEdit* hours = window.field(QStringLiteral("WRES"));
        QCOMPARE(hours->text(), QStringLiteral("30"));
        hours->selectAll();
        QTest::keyClicks(hours, QStringLiteral("30h"));
        QTest::mouseClick(window.navigator()->button(ui::Navigator::Post), Qt::LeftButton);
        QCOMPARE(answers.errors.size(), 1);
        QVERIFY2(answers.errors.first().contains(QStringLiteral("«Εβδομαδιαίες ώρες εργασίας»")),
                 qPrintable(answers.errors.first()));
        QCOMPARE(hours->text(), QStringLiteral("30h"));
        QVERIFY(window.rows()->isEditing());
        hours->selectAll();
        QTest::keyClicks(hours, QStringLiteral("32.5"));
        QTest::mouseClick(window.navigator()->button(ui::Navigator::Post), Qt::LeftButton);
        QCOMPARE(db::scalar(database->connection(), QStringLiteral("select WRES from PROSWPIKO"))
                     .toDouble(),
                 32.5);
    }

    void entryWindowsListSortedWithTheWholeNavigator() {
        addContacts();
        directories::PhoneBookEntryWindow window(context);
        window.show();
        QCOMPARE(names(window),
                 (QStringList{QStringLiteral("Παπαδόπουλος Γιώργος"), QStringLiteral("παπάς Νίκος"),
                              QStringLiteral("Πέτρου Άννα")}));
        QCOMPARE(window.navigator()->buttons(), ui::Navigator::all());
        QCOMPARE(window.grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(window.grid()->selectionBehavior(), QAbstractItemView::SelectRows);
        directories::DoctorsWindow doctors(context);
        QCOMPARE(doctors.windowTitle(), QStringLiteral("Γιατροί του νηπιαγωγείου"));
        QCOMPARE(doctors.grid()->model()->columnCount(), 5);
    }

    void paediatriciansCountOneRowForTwoChildrenWithTheSameDoctor() {
        db::Command add(database->connection());
        const QString child = QStringLiteral(
            "INSERT INTO "
            "CHILDREN(ARITHMOS_MHTRWOY,ONOMA_GIATROY,DIEYTHYNSH_GIATROY,THLEFWNO_GIATROY) "
            "VALUES(%1,'Νικολάου Ελένη','Ερμού 5','22101234')");
        add.execute(child.arg(1));
        add.execute(child.arg(2));
        directories::PaediatriciansWindow window(context);
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        QCOMPARE(window.countLabel()->text(), QStringLiteral("Βρέθηκαν 1 καταχωρήσεις"));
        QCOMPARE(window.countLabel()->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

private:
    void addContacts() {
        db::Command add(database->connection());
        for (const QString& name : {QStringLiteral("παπάς Νίκος"), QStringLiteral("Πέτρου Άννα"),
                                    QStringLiteral("Παπαδόπουλος Γιώργος")}) {
            add.execute(QStringLiteral("INSERT INTO CONTACTS(CONTACT) VALUES('%1')").arg(name));
        }
    }

    std::unique_ptr<testsupport::DeliveredDatabase> database;
    common::ProgramContext context;
};

QTEST_MAIN(DirectoryWindowsTest)
#include "directory_windows_qtest.moc"
