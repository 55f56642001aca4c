#include "tools/sample_attendance.h"

#include <algorithm>
#include <cmath>

#include "db/connection.h"
#include "tools/sample_vocabulary.h"

namespace sample {

namespace {

QDate lastDayOf(const Period& period, const QDate& until) {
    return period.isOpen() || period.left > until ? until : period.left;
}

double ageInYears(const QDate& birth, const QDate& day) {
    return birth.daysTo(day) / 365.25;
}

double oneDecimal(double value) {
    return std::round(value * 10) / 10;
}

}  // namespace

int writeAbsences(db::Connection& connection, Random& random, const QList<Child>& children,
                  const QDate& until) {
    RowWriter writer(connection, QStringLiteral("APOYSIES"),
                     {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("HMEROMHNIA")});
    int written = 0;
    for (const Child& child : children) {
        const double proneness = random.real(0.005, 0.03);  // chance that an absence starts
        for (const Period& period : child.periods) {
            const QDate last = lastDayOf(period, until);
            for (QDate day = period.enrolled; day <= last; day = day.addDays(1)) {
                if (!isOpenOn(day) || !random.chance(proneness)) {
                    continue;
                }
                for (int spell = random.between(1, 3); spell > 0 && day <= last;
                     day = day.addDays(1)) {
                    if (isOpenOn(day)) {
                        writer.write({{QStringLiteral("ARITHMOS_MHTRWOY"), child.number},
                                      {QStringLiteral("HMEROMHNIA"), day}});
                        ++written;
                        --spell;
                    }
                }
            }
        }
    }
    return written;
}

int writeMeasurements(db::Connection& connection, Random& random, const QList<Child>& children,
                      const QDate& until) {
    RowWriter writer(connection, QStringLiteral("CHILDREN_METRHSEIS"),
                     tableColumns(connection, QStringLiteral("CHILDREN_METRHSEIS")));
    int written = 0;
    for (const Child& child : children) {
        const double build = random.real(-1, 1);  // taller and heavier than most, or less
        for (const Period& period : child.periods) {
            const QDate last = lastDayOf(period, until);
            for (int year = period.enrolled.year(); year <= last.year(); ++year) {
                for (const int month : {3, 10}) {
                    const QDate day = nextOpenDay(QDate(year, month, 15));
                    if (day < period.enrolled || day > last) {
                        continue;
                    }
                    const double age = ageInYears(child.birth, day);
                    const double height = 86 + 6.8 * (age - 2) + 3 * build + random.real(-1, 1);
                    const double weight =
                        12 + 2.1 * (age - 2) + 1.5 * build + random.real(-0.5, 0.5);
                    writer.write({{QStringLiteral("ARITHMOS_MHTRWOY"), child.number},
                                  {QStringLiteral("HMEROMHNIA"), day},
                                  {QStringLiteral("YPSOS"), oneDecimal(height)},
                                  {QStringLiteral("BAROS"), oneDecimal(weight)}});
                    ++written;
                }
            }
        }
    }
    return written;
}

int writeGroups(db::Connection& connection, Random& random, const QList<Child>& children) {
    QList<const Child*> enrolled;
    for (const Child& child : children) {
        if (child.isActive()) {
            enrolled << &child;
        }
    }
    std::stable_sort(enrolled.begin(), enrolled.end(),
                     [](const Child* a, const Child* b) { return a->birth < b->birth; });
    const QStringList& names = words::groupNames();
    const int groups =
        std::clamp(static_cast<int>(enrolled.size()) / 15, 1, static_cast<int>(names.size()));
    RowWriter groupWriter(connection, QStringLiteral("GROUP_NAMES"),
                          {QStringLiteral("OMADA"), QStringLiteral("RESPONSIBLE")});
    RowWriter memberWriter(connection, QStringLiteral("CHILDREN_OMADES"),
                           {QStringLiteral("ARITHMOS_MHTRWOY"), QStringLiteral("OMADA_ID")});
    for (int group = 0; group < groups; ++group) {
        groupWriter.write({{QStringLiteral("OMADA"), names.at(group)},
                           {QStringLiteral("RESPONSIBLE"), words::teachers().at(group)}});
        const qint64 id = groupWriter.lastRowId();
        // Children of about the same age share a group; a few are not placed yet.
        const qsizetype first = enrolled.size() * group / groups;
        const qsizetype end = enrolled.size() * (group + 1) / groups;
        for (qsizetype i = first; i < end; ++i) {
            if (random.chance(0.88)) {
                memberWriter.write({{QStringLiteral("ARITHMOS_MHTRWOY"), enrolled.at(i)->number},
                                    {QStringLiteral("OMADA_ID"), id}});
            }
        }
    }
    return groups;
}

}  // namespace sample
