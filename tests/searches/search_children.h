#pragma once

// Children crafted for the search tests: a real delivered database in a temporary program
// directory, and children that match nothing until a test gives them the values it is about.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "common/program_context.h"
#include "db/connection.h"
#include "db/query.h"
#include "support/delivered_database.h"

namespace searchtest {

// Column and the value as the statement writes it: 'text', NULL, 3, #m/d/yyyy#.
using Values = QList<QPair<QString, QString>>;

// A child every search leaves out: active, every vaccination recorded, every parent employed,
// YES/NO questions unanswered, long texts empty, sibling counts unknown, a house of the kind
// "Άλλο", one enrolment period and one paid month.
inline Values neutralChild() {
    Values values{
        {QStringLiteral("ONOMA_PAIDIOY"), QStringLiteral("'Μαρία'")},
        {QStringLiteral("HMEROMHNIA_GENNHSEWS"), QStringLiteral("#3/5/2019#")},
        {QStringLiteral("FYLO"), QStringLiteral("'Κορίτσι'")},
        {QStringLiteral("ONOMA_PATERA"), QStringLiteral("'Γιώργος Πατέρας'")},
        {QStringLiteral("ONOMA_MHTERAS"), QStringLiteral("'Ελένη Μητέρα'")},
        {QStringLiteral("ONOMA_KHDEMONA"), QStringLiteral("'Γιώργος Πατέρας'")},
        {QStringLiteral("DIEYTHYNSH_OIKIAS"), QStringLiteral("'Οδός 1'")},
        {QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA"), QStringLiteral("'22000000'")},
        {QStringLiteral("EPAGGELMA_PATERA"), QStringLiteral("'Λογιστής'")},
        {QStringLiteral("EPAGGELMA_MHTERAS"), QStringLiteral("'Γιατρός'")},
        {QStringLiteral("EPAGGELMA_KHDEMONA"), QStringLiteral("'Λογιστής'")},
        {QStringLiteral("EIDOS_KATOIKIAS"), QStringLiteral("'Άλλο'")},
        {QStringLiteral("MORFWSH_PATERA"), QStringLiteral("'ΔΗΜΟΤΙΚΟ'")},
        {QStringLiteral("MORFWSH_MHTERAS"), QStringLiteral("'ΔΗΜΟΤΙΚΟ'")},
        {QStringLiteral("MORFWSH_KHDEMONA"), QStringLiteral("'ΔΗΜΟΤΙΚΟ'")},
        {QStringLiteral("THESH_PAIDIOY_STHN_OIKOGENEIA"), QStringLiteral("1")},
        {QStringLiteral("ARITHMOS_YPNODWMATIWN"), QStringLiteral("2")},
        {QStringLiteral("WRA_ERXETAI"), QStringLiteral("'08:00'")},
        {QStringLiteral("WRA_FEYGEI"), QStringLiteral("'13:00'")},
        {QStringLiteral("ENERGO"), QStringLiteral("'ΝΑΙ'")},
    };
    for (const char* column :
         {"EMBOLIO_ANEMEBLOGIAS", "EMBOLIO_DIFTHERITIDA", "EMBOLIO_TETANOS", "EMBOLIO_KOKKITHS",
          "EMBOLIO_ILARAS", "EMBOLIO_PAROTITIDAS", "EMBOLIO_ERYTHRAS", "EMBOLIO_POLYOMYELITIS",
          "EMBOLIO_YPATITIDAS_B"}) {
        values.append({QString::fromLatin1(column), QStringLiteral("#9/1/2020#")});
    }
    return values;
}

// The neutral values with the given ones put in their place.
inline Values withValues(Values values, const Values& changes) {
    for (const auto& change : changes) {
        bool replaced = false;
        for (auto& value : values) {
            if (value.first == change.first) {
                value.second = change.second;
                replaced = true;
            }
        }
        if (!replaced) {
            values.append(change);
        }
    }
    return values;
}

// The delivered database, made the program's own.
class SearchDatabase : public testsupport::DeliveredDatabase {
public:
    SearchDatabase() : context(dir().programContext()) {}

    QString connectionString() const { return dir().connectionString(); }
    QString programDirectory() const { return dir().path(); }

    void removeAllChildren() {
        connection().execute(QStringLiteral("DELETE FROM CHILDREN"));
        connection().execute(QStringLiteral("DELETE FROM CHILDREN_EGG_DIAG"));
        connection().execute(QStringLiteral("DELETE FROM APODEIKSEIS_DIDAKTRWN"));
    }

    // A child with the neutral values changed by `changes`, its one enrolment period and a paid
    // month. Statements in `extra` run afterwards with %1 replaced by the registry number.
    void addChild(int number, const QString& surname, const Values& changes = {},
                  const QStringList& extra = {}) {
        Values values = withValues(neutralChild(), changes);
        values.prepend(
            {QStringLiteral("EPWNYMO_PAIDIOY"), QLatin1Char('\'') + surname + QLatin1Char('\'')});
        values.prepend({QStringLiteral("ARITHMOS_MHTRWOY"), QString::number(number)});
        QStringList columns;
        QStringList literals;
        for (const auto& value : values) {
            columns.append(value.first);
            literals.append(value.second);
        }
        connection().execute(QStringLiteral("INSERT INTO CHILDREN (") + columns.join(u',') +
                             QStringLiteral(") VALUES (") + literals.join(u',') + u')');
        connection().execute(
            QStringLiteral("INSERT INTO CHILDREN_EGG_DIAG (ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) "
                           "VALUES (%1,#9/1/2023#)")
                .arg(number));
        connection().execute(
            QStringLiteral(
                "INSERT INTO APODEIKSEIS_DIDAKTRWN (ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) "
                "VALUES (%1,9,2023,'Π')")
                .arg(number));
        for (const QString& statement : extra) {
            connection().execute(statement.arg(number));
        }
    }

    // The registry numbers a statement lists, in its order.
    QList<int> listed(const QString& statement) {
        db::Query query(connection(), statement);
        query.open();
        QList<int> numbers;
        for (int row = 0; row < query.rowCount(); ++row) {
            numbers.append(
                query.valueAt(row, query.columnIndex(QStringLiteral("ARITHMOS_MHTRWOY"))).toInt());
        }
        return numbers;
    }

    QStringList titleLines() {
        db::Query query(connection(), QStringLiteral("SELECT KEIMENO1, KEIMENO2 FROM PERIGRAFH"));
        query.open();
        QStringList lines;
        for (int row = 0; row < query.rowCount(); ++row) {
            lines << query.textAt(row, 0) << query.textAt(row, 1);
        }
        return lines;
    }

    // The context the windows under test are given.
    const common::ProgramContext context;
};

// The ten columns the search results window shows, in order.
inline QStringList resultColumns() {
    return {QStringLiteral("ARITHMOS_MHTRWOY"),
            QStringLiteral("ONOMA_PAIDIOY"),
            QStringLiteral("EPWNYMO_PAIDIOY"),
            QStringLiteral("HMEROMHNIA_GENNHSEWS"),
            QStringLiteral("FYLO"),
            QStringLiteral("ONOMA_PATERA"),
            QStringLiteral("ONOMA_MHTERAS"),
            QStringLiteral("ONOMA_KHDEMONA"),
            QStringLiteral("DIEYTHYNSH_OIKIAS"),
            QStringLiteral("THLEFWNO_ERGASIAS_KHDEMONA")};
}

}  // namespace searchtest
