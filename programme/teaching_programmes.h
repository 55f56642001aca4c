#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace programme {

// A key column of a teaching programme as its editing window shows it: a date typed
// dd/mm/yyyy, or the year.
struct ProgrammeKey {
    QString column;
    QString label;    // beside the field, e.g. "Από:"
    QString title;    // the grid column's title
    QString example;  // the red example beside the field; empty for the year
    bool isDate = true;
};

// One of the three kinds of teaching programme: its table, the order it is listed in (newest
// first), its key columns, and the report that prints it.
struct TeachingProgramme {
    QString caption;
    QString table;
    QString sort;
    QList<ProgrammeKey> keys;
    QString reportFile;
    QString dataConnection;
    QString printAllStatement;
    // The statement that prints one programme, from the literals of its keys in order.
    QString (*printOneStatement)(const QStringList& keyLiterals);
};

const TeachingProgramme& weeklyProgramme();
const TeachingProgramme& dailyProgramme();
const TeachingProgramme& yearlyProgramme();

// The statement that prints the programme whose key texts (as shown, trimmed) are given, in
// the order of the kind's keys; none when a key is empty or not a date (or, for the year, not
// a whole number), so that nothing but a real key can reach the statement.
std::optional<QString> printSelectedStatement(const TeachingProgramme& kind,
                                              const QStringList& keyTexts);

}  // namespace programme
