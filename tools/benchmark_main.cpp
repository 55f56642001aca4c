// velorima-benchmark: times what the staff wait for, on a large generated database.
//
//   velorima-benchmark [--children N] [--years Y] [--repeat R]
//
// Builds a delivered database with sample data of the given size in a temporary directory,
// then runs each operation R times and prints the median and the slowest run in milliseconds.
// The operations are the ones the windows run: opening a connection (windows reconnect before
// almost every statement), the start-up's check of the file, its copy of the day and its daily
// duties, the lists, searches, builds and counts the windows wait for, one line each. Each read
// is also timed with the same translated statements stepped raw through SQLite on the same
// connection, the two runs taking turns, and the line ends with the ratio: the engine layer's own
// cost. A list read gradually also times its first screen. The yearly tuition status is timed last,
// in its worst case (every child enrolled and owing all twelve months): its build, and its report
// filled and laid out as the preview receives it; then the report of the whole children catalogue,
// the same way.

#include <sqlite3.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "attendance/absences.h"
#include "attendance/attendance_register.h"
#include "children/birthdays.h"
#include "children/card_print.h"
#include "children/children_list.h"
#include "children/enrolment_history.h"
#include "common/daily_backup.h"
#include "common/day_hours.h"
#include "common/today_parts.h"
#include "db/backup.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/connection_string.h"
#include "db/dialect.h"
#include "db/query.h"
#include "db/schema.h"
#include "db/table.h"
#include "expenses/expense_analysis.h"
#include "finance/general_receipts.h"
#include "finance/issued_receipts.h"
#include "finance/tuition_ledger.h"
#include "finance/tuition_views.h"
#include "finance/yearly_status.h"
#include "organiser/appointments.h"
#include "organiser/todays_reminder.h"
#include "reports/report_document.h"
#include "reports/report_engine.h"
#include "searches/canned_searches.h"
#include "searches/parametrised_searches.h"
#include "tools/sample_data.h"

namespace {

struct Settings {
    int children = 2000;
    int years = 10;
    int repeat = 5;
};

Settings parseArguments(const QStringList& arguments) {
    Settings settings;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const int value = arguments.at(i + 1).toInt();
        if (arguments.at(i) == u"--children") {
            settings.children = value;
        } else if (arguments.at(i) == u"--years") {
            settings.years = value;
        } else if (arguments.at(i) == u"--repeat") {
            settings.repeat = std::max(1, value);
        }
    }
    return settings;
}

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

struct Timing {
    double median = 0;
    double slowest = 0;
};

double millisecondsOf(const std::function<void()>& operation) {
    QElapsedTimer timer;
    timer.start();
    operation();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

Timing timingOf(QList<double> times) {
    std::sort(times.begin(), times.end());
    return {times.at(times.size() / 2), times.last()};
}

// Runs the operation `repeat` times.
Timing timeOf(int repeat, const std::function<void()>& operation) {
    QList<double> times;
    for (int run = 0; run < repeat; ++run) {
        times.append(millisecondsOf(operation));
    }
    return timingOf(times);
}

QString timingText(const QString& name, const Timing& timing) {
    return QStringLiteral("%1 %2 ms  (slowest %3 ms)")
        .arg(name, -48)
        .arg(timing.median, 9, 'f', 2)
        .arg(timing.slowest, 9, 'f', 2);
}

// Prints the median and the slowest time of the operation.
void measure(const QString& name, int repeat, const std::function<void()>& operation) {
    out() << timingText(name, timeOf(repeat, operation)) << '\n';
    out().flush();
}

// The month with the most absences of active children, the register's hardest case.
attendance::RegisterMonth busiestMonth(db::Connection& connection) {
    db::Query months(connection,
                     QStringLiteral("SELECT YEAR(HMEROMHNIA) AS Y, MONTH(HMEROMHNIA) AS M, "
                                    "COUNT(*) AS N FROM APOYSIES, CHILDREN WHERE "
                                    "APOYSIES.ARITHMOS_MHTRWOY=CHILDREN.ARITHMOS_MHTRWOY AND "
                                    "ENERGO='ΝΑΙ' GROUP BY YEAR(HMEROMHNIA), MONTH(HMEROMHNIA) "
                                    "ORDER BY COUNT(*) DESC"));
    months.open();
    if (months.rowCount() == 0) {
        return {QString::number(db::Clock::today().year()), db::Clock::today().month()};
    }
    out() << QStringLiteral("busiest month: %1/%2 with %3 absences of active children\n")
                 .arg(months.text(1), months.text(0), months.text(2));
    return {months.text(0), months.value(1).toInt()};
}

int rowsOf(db::Connection& connection, const QString& statement) {
    db::Query query(connection, statement);
    query.open();
    return query.rowCount();
}

// The statement translated as the engine layer does, then stepped raw through SQLite, every
// value taken as stored and nothing converted: what reading the rows costs without the layer.
int rawRowsOf(db::Connection& connection, const QString& statement, int limit = -1) {
    const QByteArray sql = db::translate(statement).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(connection.handle(), sql.constData(), static_cast<int>(sql.size()),
                           &stmt, nullptr) != SQLITE_OK) {
        qFatal("%s", sqlite3_errmsg(connection.handle()));
    }
    int rows = 0;
    qint64 touched = 0;
    while (rows != limit && sqlite3_step(stmt) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
            switch (sqlite3_column_type(stmt, column)) {
                case SQLITE_INTEGER:
                    touched += sqlite3_column_int64(stmt, column);
                    break;
                case SQLITE_FLOAT:
                    touched += static_cast<qint64>(sqlite3_column_double(stmt, column));
                    break;
                default:
                    touched += sqlite3_column_text(stmt, column) != nullptr;
                    touched += sqlite3_column_bytes(stmt, column);
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    return touched == -1 ? -1 : rows;  // keeps the reads from being optimised away
}

// Prints the engine layer's time, the raw time and their ratio, the layer's own cost.
void printWithRaw(const QString& name, const Timing& engine, const Timing& raw,
                  const QString& rawLabel = QStringLiteral("raw")) {
    out() << timingText(name, engine)
          << QStringLiteral("  %1 %2 ms  x%3\n")
                 .arg(rawLabel)
                 .arg(raw.median, 9, 'f', 2)
                 .arg(engine.median / std::max(raw.median, 0.001), 0, 'f', 2);
    out().flush();
}

// Times an operation through the engine layer and the same raw, run by run in turn, so that a
// slow spell of the machine weighs on both sides of the ratio alike; prints both.
void measureWithRaw(const QString& name, int repeat, const std::function<void()>& engine,
                    const std::function<void()>& raw,
                    const QString& rawLabel = QStringLiteral("raw")) {
    QList<double> engineTimes;
    QList<double> rawTimes;
    for (int run = 0; run < repeat; ++run) {
        engineTimes.append(millisecondsOf(engine));
        rawTimes.append(millisecondsOf(raw));
    }
    printWithRaw(name, timingOf(engineTimes), timingOf(rawTimes), rawLabel);
}

// Times reading every row of the statements through the engine layer and raw, and prints both
// with their ratio.
void measureRead(const QString& name, int repeat, db::Connection& connection,
                 const QStringList& statements) {
    measureWithRaw(
        name, repeat,
        [&] {
            for (const QString& statement : statements) {
                rowsOf(connection, statement);
            }
        },
        [&] {
            for (const QString& statement : statements) {
                rawRowsOf(connection, statement);
            }
        });
}

// Times what a list window read gradually waits for before its first screen: its own new
// connection and the first rows of the statement.
void measureFirstScreen(const QString& name, int repeat, const QString& connectionString,
                        const QString& statement) {
    measureWithRaw(
        name, repeat,
        [&] {
            db::Connection connection(connectionString);
            connection.open();
            db::Query query(connection, statement);
            query.openPartly(db::kFirstScreenRows);
        },
        [&] {
            db::Connection connection(connectionString);
            connection.open();
            rawRowsOf(connection, statement, db::kFirstScreenRows);
        });
}

// Times a list window's read of a whole table in the window's order, through the engine's table
// as the window binds it and raw with the statement the table builds (its rowid first).
void measureTableRead(const QString& name, int repeat, db::Connection& connection,
                      const QString& table, const QString& order) {
    const QString raw = QStringLiteral("SELECT rowid AS vel_rowid, * FROM %1 ORDER BY %2")
                            .arg(table, db::translate(order));
    measureWithRaw(
        name, repeat,
        [&] {
            db::Table rows(connection, table);
            rows.setSort(order);
            rows.open();
        },
        [&] { rawRowsOf(connection, raw); });
}

// The child with the most rows in the tuition ledger: the longest history, paid and owed lists.
QString busiestChild(db::Connection& connection) {
    db::Query children(connection,
                       QStringLiteral("SELECT ARITHMOS_MHTRWOY, COUNT(*) AS N FROM "
                                      "APODEIKSEIS_DIDAKTRWN GROUP BY ARITHMOS_MHTRWOY ORDER BY "
                                      "COUNT(*) DESC"));
    children.open();
    if (children.rowCount() == 0) {
        return QStringLiteral("0");
    }
    out() << QStringLiteral("busiest child: number %1 with %2 ledger rows\n")
                 .arg(children.text(0), children.text(1));
    return children.text(0);
}

// The windows of one child: enrolment history, paid and owed months, absences.
void measureChildWindows(db::Connection& connection, int repeat) {
    const QString child = busiestChild(connection);
    measureRead(QStringLiteral("a child's enrolment history"), repeat, connection,
                {children::historyStatement(child), children::openPeriodsStatement(child)});
    measureRead(QStringLiteral("a child's paid months and totals"), repeat, connection,
                {finance::paidMonthsStatement(child), finance::paidTotalsStatement(child)});
    measureRead(QStringLiteral("a child's owed months and count"), repeat, connection,
                {finance::owedMonthsStatement(child), finance::owedCountStatement(child)});
    measureRead(QStringLiteral("a child's absences"), repeat, connection,
                {attendance::absencesStatement(child)});
}

// Every parametrised search with typical criteria, each on its own line.
void measureParametrisedSearches(db::Connection& connection, int repeat) {
    const int year = db::Clock::today().year();
    const auto bornFrom = QStringLiteral("1/1/%1").arg(year - 6);
    const auto bornTo = QStringLiteral("31/12/%1").arg(year - 3);
    const QList<std::pair<QString, std::optional<searches::SearchRequest>>> requests = {
        {QStringLiteral("search: born between (3 years)"),
         searches::bornBetweenSearch(bornFrom, bornTo)},
        {QStringLiteral("search: siblings 1 to 3"),
         searches::siblingsSearch(QStringLiteral("1"), QStringLiteral("3"))},
        {QStringLiteral("search: bedrooms 2 to 4"),
         searches::bedroomsSearch(QStringLiteral("2"), QStringLiteral("4"))},
        {QStringLiteral("search: position 1"), searches::positionSearch(QStringLiteral("1"))},
        {QStringLiteral("search: parents' education"),
         searches::educationSearch({searches::educationLevels().last(),
                                    searches::educationLevels().last(), std::nullopt})},
        {QStringLiteral("search: arrival hour"),
         searches::arrivalSearch(common::arrivalHours().first())},
        {QStringLiteral("search: departure hour"),
         searches::departureSearch(common::departureHours().last())},
        {QStringLiteral("search: arrival and departure hours"),
         searches::arrivalAndDepartureSearch(common::arrivalHours().first(),
                                             common::departureHours().last())},
    };
    for (const auto& [name, request] : requests) {
        measureRead(name, repeat, connection, {request.value().statement});
    }
}

// The program started as the staff start it, in a program directory holding the database and
// the report files, headless, until its main window is shown; the program's timing switch
// answers its start-up windows with the password set here and skips the splash's fixed wait.
// Timed from the process start to the program's line saying the main window is shown.
void measureStartup(const QString& directory, db::Connection& connection, int repeat) {
    const QString program = QStringLiteral(VELORIMA_PROGRAM);
    const QString name = QStringLiteral("start-up: process start to main window shown");
    if (!QFileInfo::exists(program)) {
        out() << name << "  not timed: no program at " << program << '\n';
        return;
    }
    for (const QFileInfo& file :
         QDir(QStringLiteral(VELORIMA_REPORT_FILES)).entryInfoList(QDir::Files)) {
        QFile::copy(file.filePath(), directory + u'/' + file.fileName());
    }
    const QString password = QStringLiteral("benchmark7");
    connection.executeNative(QStringLiteral("UPDATE SECURE SET [PASSWORD]='%1'").arg(password));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VELORIMA_STARTUP_TIMING"), password);
    QString shownLine;
    const Timing timing = timeOf(repeat, [&] {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory);
        process.start(program, {});
        while (!process.canReadLine() && process.waitForReadyRead(60000)) {
        }
        shownLine = QString::fromUtf8(process.readLine()).trimmed();
        process.waitForFinished(60000);
    });
    if (!shownLine.startsWith(QStringLiteral("main window shown"))) {
        out() << name << "  failed: the program did not show its main window\n";
        return;
    }
    out() << timingText(name, timing) << QStringLiteral("  (program: %1)\n").arg(shownLine);
    out().flush();
}

// The worst case of the yearly status: every child enrolled, each with a ledger row for every
// month of the year.
void measureYearlyStatus(db::Connection& connection, int repeat) {
    const int year = db::Clock::today().year();
    connection.executeNative(
        QStringLiteral("UPDATE CHILDREN_EGG_DIAG SET HMEROMHNIA_DIAGRAFHS=NULL"));
    for (int month = 1; month <= 12; ++month) {
        connection.executeNative(
            QStringLiteral(
                "INSERT OR IGNORE INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,"
                "CHECKER) SELECT ARITHMOS_MHTRWOY,%1,%2,'Χ' FROM CHILDREN")
                .arg(month)
                .arg(year));
    }
    measure(QStringLiteral("yearly tuition status, built"), repeat,
            [&] { finance::buildYearlyStatus(connection, QString::number(year)); });
    const QString layout = QStringLiteral(VELORIMA_REPORT_FILES "/") + finance::yearlyStatusFile();
    int pages = 0;
    measure(QStringLiteral("yearly tuition status, report filled and laid out"), repeat, [&] {
        db::Table status(connection, finance::yearlyStatusTable());
        db::Table titles(connection, finance::titleLinesTable());
        status.open();
        titles.open();
        pages = reports::render(layout,
                                {reports::dataSet(finance::yearlyStatusRowsConnection(), status),
                                 reports::dataSet(finance::yearlyStatusTitleConnection(), titles)})
                    .pageCount();
    });
    out() << QStringLiteral("(the status holds %1 children on %2 pages)\n")
                 .arg(rowsOf(connection,
                             QStringLiteral("SELECT * FROM ") + finance::yearlyStatusTable()))
                 .arg(pages);
}

// The children list printed from the card print window, every child in the list's first order:
// the rows the window hands to the report, filled and laid out.
void measureCatalogue(db::Connection& connection, int repeat) {
    children::ListRequest everyChild;
    everyChild.status = children::StatusFilter::All;
    const QString listSelect =
        children::listStatement(everyChild, children::sortChoices().first().column,
                                children::SortDirection::Ascending)
            .value();
    const QString layout = QStringLiteral(VELORIMA_REPORT_FILES "/") +
                           children::cardPrintReportFile(children::CardPrint::ChildrenList);
    int pages = 0;
    measure(QStringLiteral("children catalogue, report filled and laid out"), repeat, [&] {
        db::Query query(connection,
                        children::cardPrintStatement(children::CardPrint::ChildrenList,
                                                     children::CardPrintMode::all(), listSelect));
        query.open();
        pages =
            reports::render(layout, {reports::dataSet(children::cardPrintConnectionName(), query)})
                .pageCount();
    });
    out() << QStringLiteral("(the catalogue holds %1 children on %2 pages)\n")
                 .arg(rowsOf(connection, listSelect))
                 .arg(pages);
}

}  // namespace

int main(int argc, char** argv) {
    // Reports are laid out with fonts, which need the graphical side of Qt, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const Settings settings = parseArguments(application.arguments());
    QTemporaryDir directory;
    const QString databasePath = directory.path() + QStringLiteral("/data.mdb");
    const QString connectionString = db::buildConnectionString(
        QDir::toNativeSeparators(directory.path()), db::databasePassword());

    QElapsedTimer timer;
    timer.start();
    db::createDeliveredDatabase(databasePath);
    db::Connection connection(connectionString);
    connection.open();
    sample::Options options;
    options.children = settings.children;
    options.years = settings.years;
    sample::fillSampleData(connection, options);
    out() << QStringLiteral("database of %1 children over %2 years written in %3 ms\n\n")
                 .arg(settings.children)
                 .arg(settings.years)
                 .arg(timer.elapsed());

    measure(QStringLiteral("open and close a connection (x30)"), settings.repeat, [&] {
        for (int i = 0; i < 30; ++i) {
            db::Connection reconnect(connectionString);
            reconnect.open();
        }
    });

    measure(QStringLiteral("start-up: check of the file"), settings.repeat, [&] {
        db::checkDatabaseFile(databasePath, db::databasePassword(), db::CheckDepth::Quick);
    });
    measure(QStringLiteral("start-up: copy of the day (written and checked)"), settings.repeat,
            [&] {
                QDir(common::backupFolder(databasePath)).removeRecursively();
                common::takeDailyBackup(databasePath, db::databasePassword(), db::Clock::today());
            });

    const common::TodayParts today = common::todayParts(db::Clock::today());
    measure(QStringLiteral("start-up: reminder and birthday counts"), settings.repeat, [&] {
        db::scalar(connection, organiser::todaysReminderCountStatement(today));
        db::scalar(connection, children::birthdaysCountStatement(today.day, today.month));
    });
    measure(QStringLiteral("start-up: this month's tuition rows"), settings.repeat,
            [&] { finance::addThisMonthsTuitionRows(connection, today); });
    measureStartup(directory.path(), connection, settings.repeat);

    QStringList allOrders;
    children::ListRequest everyChild;
    everyChild.status = children::StatusFilter::All;
    for (const children::SortChoice& choice : children::sortChoices()) {
        for (auto direction :
             {children::SortDirection::Ascending, children::SortDirection::Descending}) {
            allOrders.append(children::listStatement(everyChild, choice.column, direction).value());
        }
    }
    measureRead(QStringLiteral("children list, all 8 orders x 2 directions"), settings.repeat,
                connection, allOrders);
    children::ListRequest initials;
    initials.condition = children::surnameCondition(QStringLiteral("παπ"));
    measureRead(QStringLiteral("children list, surname initials"), settings.repeat, connection,
                {children::listStatement(initials, children::sortChoices().first().column,
                                         children::SortDirection::Ascending)
                     .value()});

    QStringList cannedStatements;
    for (const searches::CannedSearch& search : searches::cannedSearches()) {
        cannedStatements.append(search.statement());
    }
    measureRead(QStringLiteral("all %1 canned searches").arg(cannedStatements.size()),
                settings.repeat, connection, cannedStatements);
    measureRead(QStringLiteral("issued receipts list"), settings.repeat, connection,
                {finance::issuedReceiptsStatement()});
    measureFirstScreen(QStringLiteral("issued receipts list, first screen"), settings.repeat,
                       connectionString, finance::issuedReceiptsStatement());
    measureTableRead(QStringLiteral("general receipts list"), settings.repeat, connection,
                     finance::generalReceiptsTable(), finance::generalReceiptsOrder());
    measureTableRead(QStringLiteral("expenses list"), settings.repeat, connection,
                     expenses::expensesTable(), expenses::expensesOrder());
    measureChildWindows(connection, settings.repeat);
    measureParametrisedSearches(connection, settings.repeat);
    // The Greek collation against binary order, the same sort stepped raw, runs taking turns.
    const auto surnameSort = [&connection](const QString& collation) {
        rawRowsOf(connection, QStringLiteral("SELECT EPWNYMO_PAIDIOY FROM APODEIKSEIS_HISTORY "
                                             "ORDER BY EPWNYMO_PAIDIOY COLLATE %1")
                                  .arg(collation));
    };
    measureWithRaw(
        QStringLiteral("archived surnames sorted, Greek against binary"), settings.repeat,
        [&] { surnameSort(QStringLiteral("GREEK")); },
        [&] { surnameSort(QStringLiteral("BINARY")); }, QStringLiteral("binary"));

    const QString firstYear = QString::number(db::Clock::today().year() - settings.years);
    const QString lastYear = QString::number(db::Clock::today().year());
    const auto list = expenses::analysisBetweenDates(QStringLiteral("1/1/") + firstYear,
                                                     QStringLiteral("31/12/") + lastYear);
    const auto months = expenses::analysisByMonth(firstYear, lastYear);
    measureRead(QStringLiteral("expenses: both analyses of the whole history"), settings.repeat,
                connection, {list.value().listStatement, months.value().listStatement});
    measure(QStringLiteral("expenses: totals of both analyses"), settings.repeat, [&] {
        for (const expenses::ExpenseAnalysis& analysis : {list.value(), months.value()}) {
            expenses::readTotals(connection, analysis);
        }
    });

    const QString wholeFrom = QStringLiteral("1/1/") + firstYear;
    const QString wholeTo = QStringLiteral("31/12/") + lastYear;
    measureRead(
        QStringLiteral("takings of the whole history, tuition"), settings.repeat, connection,
        {finance::takingsStatement(finance::TakingsSource::Tuition, wholeFrom, wholeTo).value()});
    measureRead(
        QStringLiteral("takings of the whole history, general receipts"), settings.repeat,
        connection,
        {finance::takingsStatement(finance::TakingsSource::GeneralReceipts, wholeFrom, wholeTo)
             .value()});
    measureRead(QStringLiteral("absence check, a school year, 5 to 30 absences"), settings.repeat,
                connection,
                {attendance::absenceCheck(
                     QStringLiteral("1/9/%1").arg(db::Clock::today().year() - 1),
                     QStringLiteral("30/6/") + lastYear, QStringLiteral("5"), QStringLiteral("30"))
                     .value()
                     .statement});

    const attendance::RegisterMonth busiest = busiestMonth(connection);
    measure(QStringLiteral("attendance register of the busiest month"), settings.repeat,
            [&] { attendance::buildRegister(connection, busiest); });
    measure(QStringLiteral("appointments calendar: a month's counts"), settings.repeat,
            [&] { organiser::monthBookedSlots(connection, today.month, today.year); });

    measureYearlyStatus(connection, settings.repeat);
    measureCatalogue(connection, settings.repeat);
    return 0;
}
