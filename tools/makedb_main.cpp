// velorima-makedb: writes the delivered database data.mdb into a program directory, optionally
// filled with fictional sample data.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "db/connection.h"
#include "db/connection_string.h"
#include "db/error.h"
#include "db/schema.h"
#include "tools/sample_data.h"

namespace {

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2 };

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

struct Request {
    QString directory;
    bool sample = false;
    sample::Options options;
};

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Writes DIR/data.mdb, the delivered database of velorima: every table, key and saved\n"
        "query, encrypted with the program's database password. An existing file is never\n"
        "overwritten."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("The program directory (created when missing)."));
    parser.addOptions({
        {QStringLiteral("sample"), QStringLiteral("Also fill in fictional sample data.")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the sample data (default 1)."),
         QStringLiteral("N"), QStringLiteral("1")},
        {QStringLiteral("children"),
         QStringLiteral("Children ever registered in the sample (default 150)."),
         QStringLiteral("N"), QStringLiteral("150")},
        {QStringLiteral("years"), QStringLiteral("Years of history in the sample (default 3)."),
         QStringLiteral("Y"), QStringLiteral("3")},
        {QStringLiteral("until"),
         QStringLiteral("Last day of the sample's history, yyyy-mm-dd (default today)."),
         QStringLiteral("DATE")},
    });
}

int positiveNumber(const QCommandLineParser& parser, const QString& name, QString& error) {
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 1) {
        error = QStringLiteral("--%1 takes a whole number of at least 1").arg(name);
    }
    return value;
}

// Reads the command line into a request; an empty error means it is usable.
Request readRequest(const QCommandLineParser& parser, QString& error) {
    Request request;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        error = QStringLiteral("give exactly one program directory");
        return request;
    }
    request.directory = positional.first();
    request.sample = parser.isSet(QStringLiteral("sample"));
    for (const char* name : {"seed", "children", "years", "until"}) {
        if (parser.isSet(QString::fromLatin1(name)) && !request.sample) {
            error = QStringLiteral("--%1 only goes with --sample").arg(QString::fromLatin1(name));
        }
    }
    request.options.seed =
        static_cast<quint32>(positiveNumber(parser, QStringLiteral("seed"), error));
    request.options.children = positiveNumber(parser, QStringLiteral("children"), error);
    request.options.years = positiveNumber(parser, QStringLiteral("years"), error);
    if (parser.isSet(QStringLiteral("until"))) {
        request.options.until =
            QDate::fromString(parser.value(QStringLiteral("until")), Qt::ISODate);
        if (!request.options.until.isValid()) {
            error = QStringLiteral("--until takes a date written yyyy-mm-dd");
        }
    }
    return request;
}

void fillSample(const QString& path, const sample::Options& options) {
    db::Connection connection(
        db::buildConnectionString(QFileInfo(path).absolutePath(), db::databasePassword()));
    connection.open();
    QElapsedTimer timer;
    timer.start();
    // The sample of a large kindergarten takes a while: the percentage done, on one line.
    const sample::Summary s = sample::fillSampleData(connection, options, [](int done, int total) {
        out() << QStringLiteral("\rSample data: %1%").arg(done * 100 / total, 3) << Qt::flush;
    });
    out() << '\n';
    out() << QStringLiteral(
                 "Sample data (seed %1): %2 children (%3 enrolled now) in %4 enrolment periods, "
                 "%5 ledger rows, %6 tuition and %7 general receipts (next number %8), "
                 "%9 absences, %10 measurements, %11 groups, %12 expenses, in %13 s.\n")
                 .arg(options.seed)
                 .arg(s.children)
                 .arg(s.activeChildren)
                 .arg(s.enrolmentPeriods)
                 .arg(s.ledgerRows)
                 .arg(s.tuitionReceipts)
                 .arg(s.generalReceipts)
                 .arg(s.nextReceiptNumber)
                 .arg(s.absences)
                 .arg(s.measurements)
                 .arg(s.groups)
                 .arg(s.expenses)
                 .arg(timer.elapsed() / 1000.0, 0, 'f', 1)
          << Qt::flush;
}

int makeDatabase(const Request& request) {
    if (!QDir().mkpath(request.directory)) {
        err() << "velorima-makedb: cannot create the directory " << request.directory << Qt::endl;
        return kFailed;
    }
    const QString path = QDir(request.directory).absoluteFilePath(QStringLiteral("data.mdb"));
    if (QFileInfo::exists(path)) {
        err() << "velorima-makedb: " << path
              << " exists already and is left alone; remove it first to make a new one."
              << Qt::endl;
        return kFailed;
    }
    try {
        db::createDeliveredDatabase(path);
        out() << "Wrote " << path << " (schema version " << db::schemaVersion() << ")." << Qt::endl;
        if (request.sample) {
            fillSample(path, request.options);
        }
    } catch (const db::Error& error) {
        QFile::remove(path);  // made by this run: leave nothing half done
        err() << "velorima-makedb: " << error.message() << Qt::endl;
        return kFailed;
    }
    return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velorima-makedb"));
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(application);

    QString error;
    const Request request = readRequest(parser, error);
    if (!error.isEmpty()) {
        err() << "velorima-makedb: " << error
              << "\nUsage: velorima-makedb [--sample [--seed N] "
                 "[--children N] [--years Y] [--until yyyy-mm-dd]] DIR (--help tells more)"
              << Qt::endl;
        return kUsage;
    }
    return makeDatabase(request);
}
