#pragma once

#include <QDate>

#include "common/progress.h"

namespace db {
class Connection;
}

namespace sample {

struct Options {
    quint32 seed = 1;
    int children = 150;  // children ever registered
    int years = 3;       // the years the history covers, up to `until`
    QDate until;         // the last day of the history; invalid: today (db::Clock)
    qint64 firstReceiptNumber = 1;
};

struct Summary {
    int children = 0;
    int activeChildren = 0;
    int enrolmentPeriods = 0;
    int ledgerRows = 0;
    int tuitionReceipts = 0;
    int generalReceipts = 0;
    qint64 nextReceiptNumber = 0;
    int absences = 0;
    int measurements = 0;
    int groups = 0;
    int expenses = 0;
};

// Fills a delivered, still empty database with a kindergarten's fictional history: children with
// whole cards who enrol, leave and come back, their monthly tuition owed and paid with the
// receipts archived and numbered by the receipt counter, absences, measurements, groups, the
// teaching programme, food menus, directories, expenses and the organiser. One seed always gives
// the same data for the same `until`. Runs in one transaction: all of it is written or none.
// The progress is told stage by stage. Throws db::Error.
Summary fillSampleData(db::Connection& connection, const Options& options,
                       const common::Progress& progress = {});

}  // namespace sample
