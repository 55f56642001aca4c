#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QVariant>

#include "app/program_context.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"
#include "db/schema.h"
#include "finance/tuition_receipt.h"
#include "support/temp_database.h"
#include "ui/modal.h"

namespace financetest {

// Answers every message and question of the windows and remembers what was said.
class RecordingSeam : public ui::ModalSeam {
public:
    void information(QWidget*, const QString& text) override { messages.append(text); }
    void error(QWidget*, const QString& text) override { errors.append(text); }
    bool question(QWidget*, const QString& text) override {
        questions.append(text);
        return answerYes;
    }
    bool confirm(QWidget*, const QString& text) override { return question(nullptr, text); }
    int exec(QDialog*) override { return 0; }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    bool answerYes = true;
};

// Remembers which receipts the windows printed; can be told to fail like a missing layout.
class RecordingPrinter : public finance::TuitionReceiptPrinter {
public:
    void printReceipt(int receiptNumber) override {
        if (fail) {
            throw db::Error(QStringLiteral("Δεν βρέθηκε το αρχείο APODEIKSEIS.RAV"));
        }
        printed.append(receiptNumber);
    }
    QList<int> printed;
    bool fail = false;
};

// A program directory with the delivered database and the delivered receipt files, made the program's
// own, and a fixed day (15 March 2008). The connection is the test's, apart from the windows'.
class ProgramDirectory {
    testsupport::TempProgramDir dir_;  // first, so that it goes last

public:
    ProgramDirectory() {
        db::createDeliveredDatabase(dir_.databasePath());
        app::setProgramDirectory(dir_.path());
        db::Clock::set(QDateTime(QDate(2008, 3, 15), QTime(10, 0)));
        connection.setConnectionString(app::context().connectionString);
        connection.open();
    }
    ~ProgramDirectory() { db::Clock::reset(); }

    QString path() const { return dir_.path(); }
    void copyReceiptLayouts() {
        const QDir source(qEnvironmentVariable("VELORIMA_SOURCE_DIR") +
                          QStringLiteral("/report-files"));
        for (const QString& name : {QStringLiteral("APODEIKSEIS.RAV"),
                                    QStringLiteral("APODEIKSEISVATFREE.RAV")}) {
            QFile::copy(source.filePath(name), QDir(path()).filePath(name));
        }
    }

    QVariant scalar(const QString& statement) { return db::scalar(connection, statement); }
    void run(const QString& statement) { connection.execute(statement); }
    void setCounter(int next) {
        run(QStringLiteral("DELETE FROM APODEIKSH_LAST"));
        run(QStringLiteral("INSERT INTO APODEIKSH_LAST(LAST_NUMBER) VALUES(%1)").arg(next));
    }
    int counter() { return scalar(QStringLiteral("SELECT LAST_NUMBER FROM APODEIKSH_LAST")).toInt(); }
    int receipts() { return scalar(QStringLiteral("SELECT COUNT(*) FROM APODEIKSEIS_HISTORY")).toInt(); }

    db::Connection connection;
};

}  // namespace financetest
