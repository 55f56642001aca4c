#include "tools/sample_children.h"

#include <algorithm>

#include "db/connection.h"
#include "tools/sample_card.h"
#include "tools/sample_vocabulary.h"

namespace sample {

namespace {

// The kindergarten takes children from two and a half years old; they leave in the summer before
// primary school, which they start in the September by which they are five years and eight
// months old.
QDate primarySchoolSummer(const QDate& birth) {
    const QDate oldEnough = birth.addMonths(5 * 12 + 8);
    int year = oldEnough.year();
    if (QDate(year, 9, 1) < oldEnough) {
        ++year;
    }
    return previousOpenDay(QDate(year, 6, 30));
}

// Most children start in the first half of September; the rest on any working day.
QDate registrationDay(Random& random, const QDate& from, const QDate& until) {
    QDate day = random.dayBetween(from, until);
    if (random.chance(0.65)) {
        const int schoolYear = day.month() >= 9 ? day.year() : day.year() - 1;
        const QDate september(schoolYear, 9, random.between(1, 15));
        if (september >= from && september <= until) {
            day = september;
        }
    }
    day = nextOpenDay(day);
    return day > until ? previousOpenDay(until) : day;
}

// The periods of one child: most stay until primary school, some leave early and some of those
// come back. A child who `comesBack` surely leaves once and returns, while time allows.
QList<Period> enrolmentPeriods(Random& random, const QDate& registration, const QDate& graduation,
                               const QDate& until, bool comesBack) {
    QList<Period> periods;
    QDate start = registration;
    for (;;) {
        const bool forced = comesBack && periods.isEmpty();
        // A forced leave keeps room for two months away and a month back before it is too late.
        const QDate latestLeave = std::min(graduation, until).addDays(forced ? -90 : 0);
        QDate end = graduation;
        QString reason = words::graduationReason();
        if (start.addDays(60) < latestLeave && (forced || random.chance(0.12))) {
            end = nextOpenDay(random.dayBetween(start.addDays(60), latestLeave));
            reason = random.pick(words::leavingReasons());
        }
        if (end > until) {
            periods << Period{start, {}, {}};
            return periods;
        }
        periods << Period{start, end, reason};
        const bool leftEarly = end < graduation;
        if (!leftEarly || !(forced || random.chance(0.45))) {
            return periods;
        }
        start = nextOpenDay(end.addDays(random.between(45, forced ? 60 : 240)));
        if (start > until || start.addDays(30) > graduation) {
            return periods;
        }
    }
}

Child makeChild(Random& random, const QDate& from, const QDate& until, bool comesBack) {
    Child child;
    const QDate registration = registrationDay(random, from, until);
    child.boy = random.chance(0.5);
    child.birth = registration.addMonths(-random.between(30, 54)).addDays(-random.between(0, 27));
    QDate graduation = primarySchoolSummer(child.birth);
    if (graduation < registration.addDays(90)) {
        graduation = previousOpenDay(QDate(graduation.year() + 1, 6, 30));
    }
    child.periods = enrolmentPeriods(random, registration, graduation, until, comesBack);
    return child;
}

}  // namespace

bool isOpenOn(const QDate& day) {
    const bool holidays =
        (day.month() == 12 && day.day() >= 24) || (day.month() == 1 && day.day() <= 6);
    return day.dayOfWeek() <= 5 && !holidays;
}

QDate nextOpenDay(const QDate& day) {
    QDate open = day;
    while (!isOpenOn(open)) {
        open = open.addDays(1);
    }
    return open;
}

QDate previousOpenDay(const QDate& day) {
    QDate open = day;
    while (!isOpenOn(open)) {
        open = open.addDays(-1);
    }
    return open;
}

QList<Child> makeChildren(Random& random, int count, const QDate& from, const QDate& until) {
    QList<Child> children;
    for (int i = 0; i < count; ++i) {
        children << makeChild(random, from, until, i % 12 == 5);
    }
    std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        return a.periods.first().enrolled < b.periods.first().enrolled;
    });
    for (int i = 0; i < children.size(); ++i) {
        children[i].number = i + 1;
        fillCard(random, children[i], until);
    }
    return children;
}

void writeChildren(db::Connection& connection, const QList<Child>& children) {
    RowWriter cards(connection, QStringLiteral("CHILDREN"),
                    tableColumns(connection, QStringLiteral("CHILDREN")));
    RowWriter periods(connection, QStringLiteral("CHILDREN_EGG_DIAG"),
                      tableColumns(connection, QStringLiteral("CHILDREN_EGG_DIAG")));
    for (const Child& child : children) {
        cards.write(child.card);
        for (const Period& period : child.periods) {
            periods.write({{QStringLiteral("ARITHMOS_MHTRWOY"), child.number},
                           {QStringLiteral("HMEROMHNIA_EGGRAFHS"), period.enrolled},
                           {QStringLiteral("HMEROMHNIA_DIAGRAFHS"), orNull(period.left)},
                           {QStringLiteral("LOGOS_DIAGRAFHS"), orNull(period.reason)}});
        }
    }
}

}  // namespace sample
