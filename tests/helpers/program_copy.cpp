// A copy of the program as the process tests start it, several at once on one program
// directory. It does what the program does at the points that matter there, without windows:
//
//   program_copy hold <directory>
//       takes the directory as the program does at start-up; prints "held" and keeps it until
//       its input ends, or prints the program's message and ends with exit code 3.
//   program_copy pay <directory> <child> <milliseconds>
//       pays tuition for the child again and again for that long, each time as a payment window
//       does: it opens its connection, reads the number it shows, and pays with it a moment
//       later.
//       Prints "paid <n> moved <n> busy <n>".

#include <QDateTime>
#include <QString>
#include <QThread>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "app/program_lock.h"
#include "db/connection.h"
#include "db/connection_string.h"
#include "finance/payment.h"
#include "finance/tuition_ledger.h"
#include "finance/tuition_receipt.h"

namespace {

constexpr int kUsage = 2;
constexpr int kDirectoryInUse = 3;
// The time between the window showing the number and the staff pressing to pay: long enough
// for the other copy to issue receipts in between.
constexpr int kShownToPaidMs = 10;

void print(const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int hold(const QString& directory) {
    const app::ProgramDirectoryLock lock(directory);
    if (lock.heldElsewhere()) {
        print(app::programAlreadyOpenMessage());
        return kDirectoryInUse;
    }
    print(QStringLiteral("held"));
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

class NoPrint : public finance::TuitionReceiptPrinter {
public:
    void printReceipt(int) override {}
};

int pay(const QString& directory, const QString& child, int milliseconds) {
    const QString connectionString = db::buildConnectionString(directory, db::databasePassword());
    NoPrint printer;
    int paid = 0;
    int moved = 0;
    int busy = 0;
    const QDateTime end = QDateTime::currentDateTime().addMSecs(milliseconds);
    for (int month = 0; QDateTime::currentDateTime() < end; month = (month + 1) % 12) {
        db::Connection connection(connectionString);  // every payment window opens its own
        connection.open();
        const QString shown = QString::number(finance::currentReceiptNumber(connection));
        QThread::msleep(kShownToPaidMs);
        const finance::PaymentRequest request{
            child,
            QStringLiteral("Ελένη"),
            QStringLiteral("Παπαδάκη"),
            QStringLiteral("%1").arg(month + 1, 2, 10, QLatin1Char('0')),
            QStringLiteral("2008"),
            QStringLiteral("10"),
            QStringLiteral("Μαρία Παπαδάκη"),
            QStringLiteral("15"),
            shown};
        try {
            finance::payTuition(connection, request, printer);
            ++paid;
        } catch (const finance::ReceiptNumberMoved&) {
            ++moved;
        } catch (const db::Error& error) {
            if (!error.isBusy()) {
                throw;
            }
            ++busy;
        }
    }
    print(QStringLiteral("paid %1 moved %2 busy %3").arg(paid).arg(moved).arg(busy));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) {
            list.append(QString::fromLocal8Bit(argv[i]));
        }
        return list;
    }();
    try {
        if (args.size() == 2 && args[0] == QStringLiteral("hold")) {
            return hold(args[1]);
        }
        if (args.size() == 4 && args[0] == QStringLiteral("pay")) {
            return pay(args[1], args[2], args[3].toInt());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fputs("usage: program_copy hold <directory> | pay <directory> <child> <milliseconds>\n",
               stderr);
    return kUsage;
}
