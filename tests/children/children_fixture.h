#pragma once

#include <QDate>
#include <QString>

#include "common/program_context.h"
#include "db/clock.h"
#include "db/connection.h"
#include "db/query.h"
#include "db/schema.h"
#include "support/temp_database.h"

namespace childrentest {

// A program directory with the delivered database, the program context of the windows under
// test, and a connection of the test's own to look at what the windows wrote.
class DeliveredProgram {
public:
    DeliveredProgram() {
        db::createDeliveredDatabase(dir.databasePath());
        connection.setConnectionString(dir.connectionString());
        connection.open();
    }
    ~DeliveredProgram() { db::Clock::reset(); }

    int count(const QString& statement) { return db::scalar(connection, statement).toInt(); }

    // A child row with the columns the lists show; surname and birth date as given.
    void addChild(int number, const QString& firstName, const QString& surname, const QDate& birth,
                  bool active = true) {
        connection.execute(
            QStringLiteral("INSERT INTO CHILDREN (ARITHMOS_MHTRWOY, ONOMA_PAIDIOY, "
                           "EPWNYMO_PAIDIOY, HMEROMHNIA_GENNHSEWS, ENERGO) VALUES (%1, '%2', "
                           "'%3', #%4#, '%5')")
                .arg(QString::number(number), firstName, surname,
                     birth.toString(QStringLiteral("M/d/yyyy")),
                     active ? QStringLiteral("ΝΑΙ") : QStringLiteral("ΟΧΙ")));
    }

    testsupport::TempProgramDir dir;
    db::Connection connection;
    // What the windows under test are given of the program.
    common::ProgramContext context = dir.programContext();
};

}  // namespace childrentest
