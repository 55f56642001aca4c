// The general error report on a real encrypted database: the engine failures the staff can
// cause read as a Greek sentence, with the engine's words kept as the detail.
#include <gtest/gtest.h>

#include <QFile>

#include "common/error_report.h"
#include "db/connection.h"
#include "db/error.h"
#include "db/table.h"
#include "support/delivered_database.h"

using namespace Qt::StringLiterals;

namespace {

// The report of the failure `action` meets; empty when nothing failed.
template <class Action>
QString reportOf(Action action) {
    try {
        action();
    } catch (const db::Error& error) {
        return common::errorReportText(error);
    }
    return {};
}

QString withDetail(const QString& sentence, const QString& engineText) {
    return sentence + u"\n\nΛεπτομέρειες: "_s + engineText;
}

void addChild(db::Connection& connection, const QString& number) {
    db::Table children(connection, u"CHILDREN"_s);
    children.open();
    children.insert();
    children.setValue(u"ARITHMOS_MHTRWOY"_s, number);
    children.setValue(u"EPWNYMO_PAIDIOY"_s, u"Αλεξίου"_s);
    children.post();
}

}  // namespace

TEST(ErrorReport, RefusedRowsSayWhatIsWrongInGreek) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
    addChild(connection, u"123"_s);

    // A card written a second time under its number names the child that exists.
    EXPECT_EQ(reportOf([&] { addChild(connection, u"123"_s); }),
              withDetail(u"Υπάρχει ήδη παιδί με αριθμό μητρώου 123."_s,
                         u"UNIQUE constraint failed: CHILDREN.ARITHMOS_MHTRWOY"_s));
    // A statement's own values are not known: the sentence says what, without the numbers.
    const QString owed =
        u"INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) "
        u"VALUES(123,12,2026,'Χ')"_s;
    connection.execute(owed);
    EXPECT_TRUE(reportOf([&] { connection.execute(owed); })
                    .startsWith(u"Τα δίδακτρα αυτού του μήνα για αυτό το παιδί είναι ήδη "
                                u"καταχωρημένα.\n\nΛεπτομέρειες: UNIQUE constraint failed"_s));

    // A column that must be filled in, and a value a column's check refuses.
    EXPECT_EQ(reportOf([&] {
                  connection.execute(u"INSERT INTO APOYSIES(ARITHMOS_MHTRWOY) VALUES(123)"_s);
              }),
              withDetail(u"Το πεδίο «Ημερομηνία» πρέπει να συμπληρωθεί."_s,
                         u"NOT NULL constraint failed: APOYSIES.HMEROMHNIA"_s));
    EXPECT_EQ(reportOf([&] { connection.execute(u"INSERT INTO EKSODA(POSO) VALUES('πολλά')"_s); }),
              withDetail(u"Η τιμή του πεδίου «Ποσό» δεν είναι δεκτή."_s,
                         u"CHECK constraint failed: POSO"_s));

    // Any other failure keeps the engine's text alone.
    EXPECT_EQ(reportOf([&] { connection.execute(u"DELETE FROM ΠΟΥΘΕΝΑ"_s); }),
              u"no such table: ΠΟΥΘΕΝΑ"_s);
}

TEST(ErrorReport, TheFileLockedFullOrDamagedIsToldInGreek) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();

    db::Connection other(database.dir().connectionString());
    other.open();
    other.executeNative(u"PRAGMA busy_timeout = 100"_s);
    connection.executeNative(u"BEGIN IMMEDIATE"_s);
    EXPECT_TRUE(reportOf([&] { addChild(other, u"7"_s); })
                    .startsWith(u"Η βάση δεδομένων χρησιμοποιείται αυτή τη στιγμή από άλλο "
                                u"πρόγραμμα"_s));
    connection.executeNative(u"ROLLBACK"_s);

    // The file may grow no further: the engine sees a full disk.
    other.executeNative(u"PRAGMA max_page_count = 1"_s);
    const QString full = reportOf([&] {
        for (int number = 1; number < 500; ++number) {
            addChild(other, QString::number(number));
        }
    });
    EXPECT_TRUE(full.startsWith(u"Ο δίσκος όπου βρίσκεται το αρχείο data.mdb είναι γεμάτος"_s))
        << full.toStdString();
    EXPECT_TRUE(full.endsWith(u"Λεπτομέρειες: database or disk is full"_s));
    other.close();

    // Pages spoiled on the disk after the first one: the file opens, its rows do not read.
    for (int number = 1000; number < 1100; ++number) {
        addChild(connection, QString::number(number));
    }
    connection.close();
    QFile file(database.dir().databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (qint64 at = 4096; at + 64 < file.size(); at += 1024) {
        file.seek(at);
        file.write(QByteArray(64, '\x5a'));
    }
    file.close();
    const QString damaged = reportOf([&] {
        db::Connection reader(database.dir().connectionString());
        reader.open();
        db::Table children(reader, u"CHILDREN"_s);
        children.open();
    });
    EXPECT_TRUE(damaged.startsWith(u"Το αρχείο της βάσης δεδομένων data.mdb είναι κατεστραμμένο"_s))
        << damaged.toStdString();
}
