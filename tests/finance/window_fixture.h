#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QList>
#include <QVariant>

#include "common/program_context.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/query.h"
#include "receipt_fixture.h"
#include "support/delivered_database.h"
#include "ui/modal_answers.h"

namespace financetest {

// Answers the windows' messages and questions, and remembers them, for as long as it lives.
class AnsweredMessages : public testsupport::ModalAnswers {
    ui::ScopedModalSeam inPlace_{*this};
};

// A program directory with the delivered database and the delivered receipt files, made the
// program's own, and a fixed day (15 March 2008). The connection is the test's, apart from the
// windows'.
class ProgramDirectory {
    testsupport::DeliveredDatabase database_;  // first, so that it goes last

public:
    ProgramDirectory() : context(database_.dir().programContext()) {
        db::Clock::set(QDateTime(QDate(2008, 3, 15), QTime(10, 0)));
    }
    ~ProgramDirectory() { db::Clock::reset(); }

    QString path() const { return database_.dir().path(); }
    void copyReceiptLayouts() {
        copyReportFiles(
            {QStringLiteral("APODEIKSEIS.RAV"), QStringLiteral("APODEIKSEISVATFREE.RAV")});
    }
    void copyReportFiles(const QStringList& names) {
        const QDir source(qEnvironmentVariable("VELORIMA_SOURCE_DIR") +
                          QStringLiteral("/report-files"));
        for (const QString& name : names) {
            QFile::copy(source.filePath(name), QDir(path()).filePath(name));
        }
    }

    QVariant scalar(const QString& statement) { return db::scalar(connection, statement); }
    void run(const QString& statement) { connection.execute(statement); }
    void setCounter(int next) { setReceiptCounter(connection, next); }
    int counter() { return receiptCounter(connection); }
    int receipts() {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM APODEIKSEIS_HISTORY")).toInt();
    }

    db::Connection& connection = database_.connection();
    // What the windows under test are given of the program.
    const common::ProgramContext context;
};

}  // namespace financetest
