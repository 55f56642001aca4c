#pragma once

#include <QDate>
#include <QList>

#include "tools/sample_random.h"
#include "tools/sample_writer.h"

namespace db {
class Connection;
}

namespace sample {

// One enrolment period of a child.
struct Period {
    QDate enrolled;
    QDate left;      // invalid while the period is open
    QString reason;  // empty while the period is open
    bool isOpen() const { return !left.isValid(); }
};

struct Child {
    qint64 number = 0;
    QString firstName;
    QString surname;
    QString guardian;  // the guardian's full name; the guardian pays the receipts
    bool boy = true;
    bool eats = false;           // fed by the kindergarten
    bool usesTransport = false;  // comes and goes by the kindergarten's transport
    QDate birth;
    QList<Period> periods;  // in time order, only the last one may be open
    Row card;               // the CHILDREN row, ENERGO included

    bool isActive() const { return periods.last().isOpen(); }
};

// The children registered from `from` to `until`, numbered 1, 2, ... in order of registration.
// Each goes through its enrolment periods as the staff would record them: most stay until they
// leave for primary school, some leave early, and some of those come back later.
QList<Child> makeChildren(Random& random, int count, const QDate& from, const QDate& until);

// Writes the CHILDREN and CHILDREN_EGG_DIAG rows of the children.
void writeChildren(db::Connection& connection, const QList<Child>& children);

// The kindergarten is open Monday to Friday, except over Christmas and the New Year.
bool isOpenOn(const QDate& day);
// The first day, from `day` on or back, when the kindergarten is open.
QDate nextOpenDay(const QDate& day);
QDate previousOpenDay(const QDate& day);

}  // namespace sample
