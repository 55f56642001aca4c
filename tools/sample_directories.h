#pragma once

#include <QDate>

#include "tools/sample_random.h"

namespace db {
class Connection;
}

namespace sample {

// The staff: a director, a teacher per group, assistants, a cook, a driver and a cleaner.
void writeStaff(db::Connection& connection, int groups);
// The phone book: authorities, suppliers and services the kindergarten calls.
void writeContacts(db::Connection& connection, Random& random);
// The kindergarten's own doctors.
void writeDoctors(db::Connection& connection);
// The receipt header: fills the one row of INFORMATION.
void writeReceiptHeader(db::Connection& connection);
// Running costs month by month from `from` to `until`, with VAT where the supplier charges it.
int writeExpenses(db::Connection& connection, Random& random, const QDate& from, const QDate& until,
                  double vatRate);

}  // namespace sample
