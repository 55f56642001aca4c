// The window kit on a real delivered database: field binding, writing on move, cancel,
// refused values, the delete question, closing, the grid and the editable search rows.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/program_context.h"
#include "db/command.h"
#include "db/query.h"
#include "support/delivered_database.h"
#include "ui/data_window.h"
#include "ui/modal_answers.h"

namespace {

// A measurements editor as the data windows are built: three fields, a grid, a navigator.
class MeasurementsWindow : public ui::DataWindow {
public:
    explicit MeasurementsWindow(const common::ProgramContext& context, bool search = false)
        : ui::DataWindow(context),
          rows(search ? bindTableSearch(QStringLiteral("CHILDREN_METRHSEIS"))
                      : bindTable(QStringLiteral("CHILDREN_METRHSEIS"))),
          navigator(new ui::Navigator(ui::Navigator::all() | ui::Navigator::Edit, this)) {
        rows->bind(number, QStringLiteral("ARITHMOS_MHTRWOY"));
        rows->bind(date, QStringLiteral("HMEROMHNIA"));
        rows->bind(height, QStringLiteral("YPSOS"));
        rows->attachGrid(grid,
                         {{QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("Α/Α")},
                          {QStringLiteral("YPSOS"), QStringLiteral("Ύψος")}},
                         ui::BoundTable::GridEditing::InPlace);
        rows->attachNavigator(navigator);
        // Labelled as windows label their fields: a buddy, a label before the field in its row,
        // and none at all (the grid's title names it then).
        auto* numberLabel = new QLabel(QStringLiteral("&Αριθμός μητρώου:"), this);
        numberLabel->setBuddy(number);
        auto* layout = new QVBoxLayout(this);
        auto* dateRow = new QHBoxLayout;
        dateRow->addWidget(new QLabel(QStringLiteral("Ημερομηνία μέτρησης:"), this));
        dateRow->addWidget(date);
        layout->addLayout(dateRow);
    }
    void click(ui::Navigator::Button which) {
        QTest::mouseClick(navigator->button(which), Qt::LeftButton);
    }

    ui::BoundTable* rows;
    QLineEdit* number = new QLineEdit(this);
    QLineEdit* date = new QLineEdit(this);
    QLineEdit* height = new QLineEdit(this);
    QTableView* grid = new QTableView(this);
    ui::Navigator* navigator;
};

// A long read-only list, read gradually as the issued-receipts list is.
class LongListWindow : public ui::DataWindow {
public:
    explicit LongListWindow(const common::ProgramContext& context)
        : ui::DataWindow(context), rows(bindQuery(ui::Reading::Gradual)) {
        rows->attachGrid(grid, {{QStringLiteral("N"), QStringLiteral("Α/Α")}});
        rows->attachNavigator(navigator);
    }
    void click(ui::Navigator::Button which) {
        QTest::mouseClick(navigator->button(which), Qt::LeftButton);
    }
    ui::BoundTable* rows;
    QTableView* grid = new QTableView(this);
    ui::Navigator* navigator = new ui::Navigator(ui::Navigator::moving(), this);
};

void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

}  // namespace

class BoundTableTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        database = std::make_unique<testsupport::DeliveredDatabase>();
        context = database->dir().programContext();
        db::Command add(database->connection());
        add.execute(QStringLiteral(
            "INSERT INTO CHILDREN_METRHSEIS(ARITHMOS_MHTRWOY,HMEROMHNIA,YPSOS,BAROS) "
            "VALUES(1,#9/1/2023#,1.05,18)"));
        add.execute(QStringLiteral(
            "INSERT INTO CHILDREN_METRHSEIS(ARITHMOS_MHTRWOY,HMEROMHNIA,YPSOS,BAROS) "
            "VALUES(2,#9/2/2023#,1.1,19)"));
        add.execute(QStringLiteral(
            "INSERT INTO CHILDREN_METRHSEIS(ARITHMOS_MHTRWOY,HMEROMHNIA,YPSOS,BAROS) "
            "VALUES(3,#9/3/2023#,1.2,20)"));
    }
    void cleanup() { database.reset(); }

    void movingButtonsAreDisabledWhereTheyCannotMove() {
        MeasurementsWindow window(context);
        const auto enabled = [&window](ui::Navigator::Button which) {
            return window.navigator->button(which)->isEnabled();
        };
        QVERIFY(!enabled(ui::Navigator::First) && !enabled(ui::Navigator::Prior));
        QVERIFY(enabled(ui::Navigator::Next) && enabled(ui::Navigator::Last));
        window.click(ui::Navigator::Last);
        QVERIFY(enabled(ui::Navigator::First) && enabled(ui::Navigator::Prior));
        QVERIFY(!enabled(ui::Navigator::Next) && !enabled(ui::Navigator::Last));
    }

    void rowEditedThenLeftIsWritten() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        MeasurementsWindow window(context);
        QCOMPARE(window.number->text(), QStringLiteral("1"));
        QVERIFY(!window.navigator->button(ui::Navigator::Post)->isEnabled());

        retype(window.height, QStringLiteral("1,5"));
        QVERIFY(window.rows->isEditing());
        QVERIFY(window.navigator->button(ui::Navigator::Post)->isEnabled());
        window.click(ui::Navigator::Next);
        QCOMPARE(window.number->text(), QStringLiteral("2"));
        QCOMPARE(storedHeight(1), 1.5);

        // Choosing another row in the grid writes as well.
        retype(window.date, QStringLiteral("5/10/2023"));
        window.grid->selectRow(2);
        QCOMPARE(window.number->text(), QStringLiteral("3"));
        QCOMPARE(storedText(QStringLiteral("HMEROMHNIA"), 2), QStringLiteral("2023-10-05"));
        QVERIFY(answers.errors.isEmpty());
    }

    void editStartsEditingAndEverySaveIsSignalled() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        MeasurementsWindow window(context);
        QSignalSpy posted(window.rows, &ui::BoundTable::posted);
        QCOMPARE(window.navigator->button(ui::Navigator::Edit)->toolTip(),
                 QStringLiteral("Επεξεργασία εγγραφής"));
        QVERIFY(window.navigator->button(ui::Navigator::Edit)->isEnabled());
        window.click(ui::Navigator::Edit);
        QVERIFY(window.rows->isEditing());
        QVERIFY(!window.navigator->button(ui::Navigator::Edit)->isEnabled());
        QVERIFY(window.navigator->button(ui::Navigator::Cancel)->isEnabled());
        window.click(ui::Navigator::Cancel);
        QVERIFY(window.navigator->button(ui::Navigator::Edit)->isEnabled());

        // Moving away from an untouched row saves nothing; from a changed one, it saves.
        window.click(ui::Navigator::Edit);
        window.click(ui::Navigator::Next);
        QCOMPARE(posted.size(), 0);
        retype(window.height, QStringLiteral("1,4"));
        window.click(ui::Navigator::Next);
        QCOMPARE(posted.size(), 1);
        QCOMPARE(storedHeight(2), 1.4);

        // A refused value saves nothing; the save button then saves the mended row.
        retype(window.number, QStringLiteral("x"));
        window.click(ui::Navigator::Post);
        QCOMPARE(answers.errors.size(), 1);
        QCOMPARE(posted.size(), 1);
        retype(window.number, QStringLiteral("33"));
        window.click(ui::Navigator::Post);
        QCOMPARE(posted.size(), 2);
        QCOMPARE(storedHeight(33), 1.2);
    }

    void cancelDropsTheChange() {
        MeasurementsWindow window(context);
        retype(window.height, QStringLiteral("2"));
        window.click(ui::Navigator::Cancel);
        QVERIFY(!window.rows->isEditing());
        QCOMPARE(window.height->text(), QStringLiteral("1.05"));
        window.click(ui::Navigator::Next);
        QCOMPARE(storedHeight(1), 1.05);
    }

    void valueThatDoesNotFitIsRefusedAndTheTypingStays() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        MeasurementsWindow window(context);
        retype(window.number, QStringLiteral("12a"));
        window.click(ui::Navigator::Post);
        QCOMPARE(answers.errors.size(), 1);
        QVERIFY(answers.errors.first().contains(QStringLiteral("12a")));
        QVERIFY(answers.errors.first().contains(QStringLiteral("ακέραιος")));
        // Refusals name the field by the label the staff see.
        QVERIFY(answers.errors.first().contains(QStringLiteral("πεδίο «Αριθμός μητρώου»")));
        QCOMPARE(window.number->text(), QStringLiteral("12a"));
        QVERIFY(window.rows->isEditing());

        // Moving away is refused too: the row stays current with its typing.
        window.click(ui::Navigator::Next);
        QCOMPARE(answers.errors.size(), 2);
        QCOMPARE(window.rows->rows().position(), 0);
        QCOMPARE(window.grid->currentIndex().row(), 0);
        QCOMPARE(window.number->text(), QStringLiteral("12a"));

        // A date that is not a calendar date is refused the same way; mended, the row is written.
        retype(window.number, QStringLiteral("12"));
        retype(window.date, QStringLiteral("31/02/2024"));
        window.click(ui::Navigator::Post);
        QCOMPARE(answers.errors.size(), 3);
        QVERIFY(answers.errors.last().contains(QStringLiteral("ΗΗ/ΜΜ/ΕΕΕΕ")));
        QVERIFY(answers.errors.last().contains(QStringLiteral("πεδίο «Ημερομηνία μέτρησης»")));
        retype(window.date, QStringLiteral("29/02/2024"));
        window.height->setText(QStringLiteral("ψηλό"));
        emit window.height->textEdited(window.height->text());
        window.click(ui::Navigator::Post);
        QCOMPARE(answers.errors.size(), 4);
        QVERIFY(answers.errors.last().contains(QStringLiteral("πεδίο «Ύψος»")));
        retype(window.height, QStringLiteral("1"));
        window.click(ui::Navigator::Post);
        QCOMPARE(answers.errors.size(), 4);
        QVERIFY(!window.rows->isEditing());
        QCOMPARE(storedText(QStringLiteral("HMEROMHNIA"), 12), QStringLiteral("2024-02-29"));
        QCOMPARE(window.date->text(), QStringLiteral("29/02/2024"));
    }

    void deleteAsksFirst() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        MeasurementsWindow window(context);
        window.click(ui::Navigator::Next);
        answers.answers = {false};
        window.click(ui::Navigator::Delete);
        QCOMPARE(answers.questions, QStringList{ui::BoundTable::deleteQuestion()});
        QCOMPARE(rowCount(), 3);
        QCOMPARE(window.number->text(), QStringLiteral("2"));

        answers.answers = {true};
        window.click(ui::Navigator::Delete);
        QCOMPARE(rowCount(), 2);
        QCOMPARE(storedText(QStringLiteral("YPSOS"), 2), QString());
        QCOMPARE(window.rows->model()->rowCount(), 2);
        QCOMPARE(window.number->text(), QStringLiteral("3"));
    }

    void insertWritesANewRowAndAnUntouchedOneIsDropped() {
        MeasurementsWindow window(context);
        window.click(ui::Navigator::Insert);
        QCOMPARE(window.number->text(), QString());
        QCOMPARE(window.rows->model()->rowCount(), 4);
        window.click(ui::Navigator::First);  // nothing typed: no row is written
        QCOMPARE(rowCount(), 3);
        QCOMPARE(window.rows->model()->rowCount(), 3);

        window.click(ui::Navigator::Insert);
        retype(window.number, QStringLiteral("7"));
        retype(window.height, QStringLiteral("0.98"));
        window.click(ui::Navigator::Post);
        QCOMPARE(rowCount(), 4);
        QCOMPARE(storedHeight(7), 0.98);
    }

    void typingIntoAnEmptyTableStartsARow() {
        db::Command(database->connection())
            .execute(QStringLiteral("DELETE FROM CHILDREN_METRHSEIS"));
        MeasurementsWindow window(context);
        QVERIFY(!window.navigator->button(ui::Navigator::Delete)->isEnabled());
        QTest::keyClicks(window.number, QStringLiteral("42"));
        QCOMPARE(window.number->text(), QStringLiteral("42"));
        QVERIFY(window.rows->isEditing());
        window.click(ui::Navigator::Post);
        QCOMPARE(rowCount(), 1);
    }

    void gridCellEditedInPlaceIsWrittenOnMove() {
        MeasurementsWindow window(context);
        ui::RowSetModel* model = window.rows->model();
        QVERIFY(model->flags(model->index(1, 1)) & Qt::ItemIsEditable);
        QVERIFY(model->setData(model->index(1, 1), QStringLiteral("1.33")));
        QCOMPARE(window.number->text(), QStringLiteral("2"));
        QCOMPARE(window.height->text(), QStringLiteral("1.33"));
        window.click(ui::Navigator::Last);
        QCOMPARE(storedHeight(2), 1.33);
    }

    void closingDropsTheUnsavedRowAndTheConnection() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        MeasurementsWindow window(context);
        retype(window.height, QStringLiteral("3"));
        window.reject();
        QVERIFY(answers.questions.isEmpty());
        QVERIFY(!window.connection().isOpen());
        QCOMPARE(storedHeight(1), 1.05);
    }

    void searchRowsAreWrittenBackToTheirOwnTableRows() {
        testsupport::ModalAnswers answers;
        ui::ScopedModalSeam seam(answers);
        MeasurementsWindow window(context, true);
        window.rows->setStatement(QStringLiteral(
            "select * from CHILDREN_METRHSEIS where YPSOS > 1.07 order by ARITHMOS_MHTRWOY desc"));
        QCOMPARE(window.rows->model()->rowCount(), 2);
        QCOMPARE(window.number->text(), QStringLiteral("3"));
        retype(window.height, QStringLiteral("1.25"));
        window.click(ui::Navigator::Next);
        QCOMPARE(storedHeight(3), 1.25);
        QCOMPARE(storedHeight(1), 1.05);

        window.click(ui::Navigator::Delete);
        QCOMPARE(rowCount(), 2);
        QCOMPARE(storedText(QStringLiteral("YPSOS"), 2), QString());
        QCOMPARE(window.number->text(), QStringLiteral("3"));
    }

    // The first screen comes at once, the rest while the program waits; the grid grows with
    // the rows. Moving to the last row or sorting reads every row first; closing stops reading.
    void longListShowsItsFirstRowsAndReadsTheRestWhileIdle() {
        database->connection().executeNative(QStringLiteral(
            "CREATE TABLE LONG_LIST (N INTEGER);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
            "INSERT INTO LONG_LIST SELECT i FROM n"));
        LongListWindow window(context);
        QSignalSpy complete(window.rows, &ui::BoundTable::allRowsRead);
        const QString statement = QStringLiteral("SELECT N FROM LONG_LIST ORDER BY N");
        window.rows->setStatement(statement);
        QCOMPARE(window.rows->model()->rowCount(), db::kFirstScreenRows);
        QVERIFY(window.rows->isReading());
        QVERIFY(complete.wait());
        QCOMPARE(window.rows->model()->rowCount(), 3000);
        QCOMPARE(window.rows->rows().textAt(2999, 0), QStringLiteral("3000"));

        window.rows->setStatement(statement);
        window.click(ui::Navigator::Last);
        QCOMPARE(window.rows->rows().text(0), QStringLiteral("3000"));
        QCOMPARE(window.rows->model()->rowCount(), 3000);
        QCOMPARE(complete.count(), 2);

        window.rows->setStatement(statement);
        window.rows->sortBy(QStringLiteral("N DESC"));
        QCOMPARE(window.rows->rows().text(0), QStringLiteral("3000"));
        QCOMPARE(complete.count(), 3);

        window.rows->setStatement(statement);
        window.reject();
        QVERIFY(!window.rows->isReading());
        QCOMPARE(window.rows->rows().rowCount(), db::kFirstScreenRows);
    }

private:
    db::Query read(const QString& statement) {
        db::Query query(database->connection(), statement);
        query.open();
        return query;
    }
    double storedHeight(int number) {
        return storedText(QStringLiteral("YPSOS"), number).toDouble();
    }
    QString storedText(const QString& column, int number) {
        db::Query query = read(
            QStringLiteral(
                "select CAST(%1 AS TEXT) AS V from CHILDREN_METRHSEIS where ARITHMOS_MHTRWOY=%2")
                .arg(column)
                .arg(number));
        return query.isEmpty() ? QString() : query.value(0).toString();
    }
    int rowCount() {
        return read(QStringLiteral("select count(*) from CHILDREN_METRHSEIS")).value(0).toInt();
    }

    std::unique_ptr<testsupport::DeliveredDatabase> database;
    common::ProgramContext context;
};

QTEST_MAIN(BoundTableTest)
#include "bound_table_qtest.moc"
