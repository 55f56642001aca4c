// The delivered database: tables, columns and kinds, keys, defaults, starting rows, the checks
// that refuse values of the wrong kind, and the encryption of the file.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QMap>

#include "db/connection_string.h"
#include "db/error.h"
#include "db/query.h"
#include "db/rowset.h"
#include "db/schema.h"
#include "db/statement.h"
#include "support/delivered_database.h"

using namespace Qt::Literals::StringLiterals;
using db::ColumnKind;

namespace {

// Every table with its columns in order: i whole number, d decimal, D date, t text, L long
// text, b yes/no. "M1..M31 t" stands for M1, M2, ... M31.
const QString kExpectedTables =
    uR"(
CHILDREN: ARITHMOS_MHTRWOY i, ONOMA_PAIDIOY t, EPWNYMO_PAIDIOY t, HMEROMHNIA_GENNHSEWS D,
    FYLO t, ONOMA_PATERA t, ONOMA_MHTERAS t, ONOMA_KHDEMONA t, DIEYTHYNSH_OIKIAS t,
    DIEYTHYNSH_KHDEMONA t, THLEFWNO_OIKIAS t, THLEFWNO_ERGASIAS_PATERA t,
    THLEFWNO_ERGASIAS_MHTERAS t, THLEFWNO_ERGASIAS_KHDEMONA t, MOBILE t, HLIKIA_PATERA i,
    HLIKIA_MHTERAS i, HLIKIA_KHDEMONA i, MORFWSH_PATERA t, MORFWSH_MHTERAS t,
    MORFWSH_KHDEMONA t, EPAGGELMA_PATERA t, EPAGGELMA_MHTERAS t, EPAGGELMA_KHDEMONA t,
    ZEI_O_PATERAS t, ZEI_H_MHTERA t, BRISKONTAI_SE_DIASTASH t, THESH_PAIDIOY_STHN_OIKOGENEIA i,
    EIDOS_KATOIKIAS t, YPARXEI_AYLH t, ARITHMOS_YPNODWMATIWN i, DIKO_TOY_DWMATIO t,
    ME_POIOYS_KOIMATAI t, EIDIKA_ENDIAFERONTA L, ADELFOYS i, ADELFES i,
    OIKOGENEIAKA_PROBLHMATA L, EMBOLIO_ANEMEBLOGIAS D, EMBOLIO_DIFTHERITIDA D,
    EMBOLIO_TETANOS D, EMBOLIO_KOKKITHS D, EMBOLIO_ILARAS D, EMBOLIO_PAROTITIDAS D,
    EMBOLIO_ERYTHRAS D, EMBOLIO_POLYOMYELITIS D, EMBOLIO_YPATITIDAS_B D, ILARA t,
    DIFTHERITIDA t, KOKKITHS t, PAROTITIDA t, ERYTHRA t, WSTRAKIA t, DIABHTHS t, ZALIZETAI t,
    LYPOTHIMA t, SYXNOOYRIA t, IDRWNEI_TO_BRADY t, SPAZEI_H_MYTH_TOY t, KOYRAZETAI_EYKOLA t,
    DYSKOLIA_STHN_AKOH t, DYSKOLIA_STHN_ORASH t, EPILHPSIA t, BROGXIKA t, EKZEMA t,
    REYMATIKOS_PYRETOS t, KARDIOPATHEIA t, PAIDIKH_PARALYSH t, ALLERGIES L, ALLH_ARWSTIA L,
    SOB_ASTHENEIES_MEXRI_SHMERA L, ALLA_PROSF_PROBL_FYS_KAT L, SOBARA_PROBLHMATA_YGEIAS L,
    SWMATIKA_ELATTWMATA L, BREXEI_TO_KREBATI_TOY t, DAGKWNEI_TO_DAKTYLO_TOY t,
    THYLAZEI_TO_DAKTYLO_TOY t, KSESPASMA_THYMOY t, DYSTROPO t, EXEI_FOBOYS L,
    ARESEI_SYNTROFIA_PAIDIWN t, EIDIKA_PROBLHMATA_SYMPERIFORAS L,
    KOINWNIKH_SYNAISTHIM_KATASTASH L, DRASTHRIOT_PREPEI_APOFEYGEI L, FAGHTA_APOFEYGEI L,
    LOGOI_ENHMERO_NHPIAGWGEIO L, ONOMA_GIATROY t, DIEYTHYNSH_GIATROY t, THLEFWNO_GIATROY t,
    ALLES_PLHROFORIES L, METAFORA t, WRA_ERXETAI t, WRA_FEYGEI t, FAGHTO t, ENERGO t
CHILDREN_EGG_DIAG: ARITHMOS_MHTRWOY i, HMEROMHNIA_EGGRAFHS D, HMEROMHNIA_DIAGRAFHS D,
    LOGOS_DIAGRAFHS t
CHILDREN_METRHSEIS: ARITHMOS_MHTRWOY i, HMEROMHNIA D, YPSOS d, BAROS d
APOYSIES: ARITHMOS_MHTRWOY i, HMEROMHNIA D
APOYSIES_TEMP: ARITHMOS_MHTRWOY i, ONOMA_PAIDIOY t, EPWNYMO_PAIDIOY t, M1..M31 t
GROUP_NAMES: ID i, OMADA t, RESPONSIBLE t
CHILDREN_OMADES: ARITHMOS_MHTRWOY i, OMADA_ID i
APODEIKSEIS_DIDAKTRWN: ARITHMOS_MHTRWOY i, MHNAS i, ETOS i, CHECKER t, ARITHMOS_APODEIKSHS t,
    POSO d, VAT d, HMEROMHNIA D
APODEIKSEIS_HISTORY: ARITHMOS_MHTRWOY i, ARITHMOS_APODEIKSHS t, POSO d, HMEROMHNIA D, MHNAS i,
    ETOS i, VAT d, POSO_KAI_VAT d, EGKYRO i, POSOCY d, VATCY d, POSO_KAI_VATCY d,
    ONOMA_PAIDIOY t, EPWNYMO_PAIDIOY t, PARALHPTHS t
APODEIKSEIS_GEN: AR_APODEIKSHS t, POSO d, HMEROMHNIA D, VAT d, POSO_KAI_VAT d, EGKYRO b,
    POSOCY d, VATCY d, POSO_KAI_VAT_CY d, ONOMA_PAIDIOY t, EPWNYMO_PAIDIOY t, PARALHPTHS t,
    PERIGRAFH t
APODEIKSH_LAST: LAST_NUMBER i
SYNTELESTHS_VAT: VAT_RATIO d
INFORMATION: TITLE t, ADDRESS1 t, ADDRESS2 t, PHONE t, FAX t, WEBSITE t, EMAIL t, AFT t, AFPA t,
    EXTRA1..EXTRA7 t
DIDAKTRA_TEMP: ARITHMOS_MHTRWOY i, ONOMA_PAIDIOY t, EPWNYMO_PAIDIOY t, HMEROMHNIA_EGGRAFHS t,
    C1..C12 t, T1..T12 t, P1..P12 t, V1..V12 t, H1..H12 t
EKSODA: HMEROMHNIA D, POSO d, VAT d, PERIGRAFH t
CONTACTS: CONTACT t, ADDRESS t, PHONE1 t, PHONE2 t, FAX t, EMAIL t
PROSWPIKO: PERSON t, ADDRESS t, PHONE1 t, PHONE2 t, POSITION t, WRES d
DOCTORS: DOCTOR t, DIETHYNSH t, THLEFWNO1 t, THLEFWNO2 t, EIDIKOTHTA t
HMERHSIO: HMEROMHNIA D, KEIMENO L
EBDOMADIAIO: APO D, MEXRI D, KEIMENO L
XRONIAIO: ETOS i, KEIMENO L
FAGHTO: PROGRAMMA t, DEYTERA_1 L, TRITH_1 L, TETARTH_1 L, PEMPTH_1 L, PARASKEYH_1 L,
    SABBATO_1 L, DEYTERA_2 L, TRITH_2 L, TETARTH_2 L, PEMPTH_2 L, PARASKEYH_2 L, SABBATO_2 L,
    DEYTERA_3 L, TRITH_3 L, TETARTH_3 L, PEMPTH_3 L, PARASKEYH_3 L, SABBATO_3 L
NOTES: TITLE t, KEIMENO L
BIBLIO_SXOLEIOY: HMEROMHNIA D, KEIMENO L
REMINDER: HMEROMHNIA D, KEIMENO L
RANTEBOU: HMEROMHNIA D, 0800-0830 t, 0830-0900 t, 0900-0930 t, 0930-1000 t, 1000-1030 t,
    1030-1100 t, 1100-1130 t, 1130-1200 t, 1200-1230 t, 1230-1300 t, 1300-1330 t, 1330-1400 t,
    1400-1430 t, 1430-1500 t, 1500-1530 t, 1530-1600 t, 1600-1630 t, 1630-1700 t, 1700-1730 t,
    1730-1800 t, 1800-1830 t, 1830-1900 t, 1900-1930 t, 1930-2000 t, 2000-2030 t, 2030-2100 t,
    2100-2130 t, 2130-2200 t
PERIGRAFH: KEIMENO1 t, KEIMENO2 t
SECURE: PASSWORD t
)"_s;

const QStringList kEnrolmentColumns = {
    u"ARITHMOS_MHTRWOY"_s,
    u"ONOMA_PAIDIOY"_s,
    u"EPWNYMO_PAIDIOY"_s,
    u"HMEROMHNIA_GENNHSEWS"_s,
    u"FYLO"_s,
    u"ONOMA_PATERA"_s,
    u"ONOMA_MHTERAS"_s,
    u"ONOMA_KHDEMONA"_s,
    u"DIEYTHYNSH_OIKIAS"_s,
    u"THLEFWNO_ERGASIAS_KHDEMONA"_s,
    u"HMEROMHNIA_EGGRAFHS"_s,
    u"HMEROMHNIA_DIAGRAFHS"_s,
    u"LOGOS_DIAGRAFHS"_s,
};

struct Column {
    QString name;
    ColumnKind kind;
    bool operator==(const Column&) const = default;
};

void PrintTo(const Column& column, std::ostream* os) {
    *os << column.name.toStdString() << '/' << static_cast<int>(column.kind);
}

ColumnKind kindOfCode(const QString& code) {
    static const QMap<QString, ColumnKind> kinds = {
        {u"i"_s, ColumnKind::Integer}, {u"d"_s, ColumnKind::Decimal},  {u"D"_s, ColumnKind::Date},
        {u"t"_s, ColumnKind::Text},    {u"L"_s, ColumnKind::LongText}, {u"b"_s, ColumnKind::YesNo},
    };
    return kinds.value(code, ColumnKind::Other);
}

// "NAME k" or "STEM1..STEMn k" -> the columns it stands for.
QList<Column> expand(const QString& entry) {
    const QStringList parts = entry.split(u' ', Qt::SkipEmptyParts);
    const ColumnKind kind = kindOfCode(parts.at(1));
    const qsizetype range = parts.at(0).indexOf(u"..");
    if (range < 0) {
        return {{parts.at(0), kind}};
    }
    const QString first = parts.at(0).left(range);
    const QString stem = first.left(first.size() - 1);
    const int last = parts.at(0).mid(range + 2 + stem.size()).toInt();
    QList<Column> columns;
    for (int i = 1; i <= last; ++i) {
        columns.append({stem + QString::number(i), kind});
    }
    return columns;
}

QMap<QString, QList<Column>> expectedTables() {
    QMap<QString, QList<Column>> tables;
    QString all = kExpectedTables;
    for (const QString& block : all.replace(u"\n    "_s, u" "_s).split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype colon = block.indexOf(u':');
        QList<Column>& columns = tables[block.left(colon)];
        for (const QString& entry : block.mid(colon + 1).split(u',')) {
            columns += expand(entry.trimmed());
        }
    }
    return tables;
}

int columnNamed(const db::Statement& statement, const QString& name) {
    for (int column = 0; column < statement.columnCount(); ++column) {
        if (statement.columnName(column) == name) {
            return column;
        }
    }
    return -1;
}

// The columns of a table or saved query as the engine declares them.
QList<Column> actualColumns(db::Connection& connection, const QString& table) {
    db::Statement info(connection, u"PRAGMA table_info(\"%1\")"_s.arg(table));
    const int name = columnNamed(info, u"name"_s);
    const int type = columnNamed(info, u"type"_s);
    QList<Column> columns;
    while (info.step()) {
        columns.append(
            {info.value(name).toString(), db::kindFromDeclaredType(info.value(type).toString())});
    }
    return columns;
}

QStringList columnNames(const QList<Column>& columns) {
    QStringList names;
    for (const Column& column : columns) {
        names << column.name;
    }
    return names;
}

// The tables or views of the database, leaving out the engine's own.
QStringList objectNames(db::Connection& connection, const QString& type) {
    db::Query query(connection,
                    u"SELECT name FROM sqlite_master WHERE type = '%1' AND "
                    "substr(name, 1, 7) <> 'sqlite_' ORDER BY name"_s.arg(type));
    query.open();
    QStringList names;
    for (int row = 0; row < query.rowCount(); ++row) {
        names << query.textAt(row, query.columnIndex(u"name"_s));
    }
    return names;
}

int count(db::Connection& connection, const QString& statement) {
    return db::scalar(connection, statement).toInt();
}

// Runs one statement of the program's dialect; true when the engine refused it.
bool refuses(db::Connection& connection, const QString& statement) {
    try {
        connection.execute(statement);
        return false;
    } catch (const db::Error&) {
        return true;
    }
}

class Schema : public ::testing::Test {
protected:
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
};

}  // namespace

TEST_F(Schema, HoldsEveryTableWithItsColumnsInOrderAndTheirKinds) {
    const QMap<QString, QList<Column>> expected = expectedTables();
    ASSERT_EQ(expected.size(), 28);  // CHILDREN and the 27 other tables
    EXPECT_EQ(expected.value(u"CHILDREN"_s).size(), 94);
    EXPECT_EQ(expected.value(u"RANTEBOU"_s).size(), 29);
    EXPECT_EQ(objectNames(connection, u"table"_s), expected.keys());
    for (auto table = expected.begin(); table != expected.end(); ++table) {
        EXPECT_EQ(actualColumns(connection, table.key()), table.value())
            << table.key().toStdString();
    }
}

TEST_F(Schema, HoldsTheSixSavedQueriesWithTheColumnsTheProgramReads) {
    EXPECT_EQ(objectNames(connection, u"view"_s),
              (QStringList{u"DIAGRAFES_SE_HMEROMHNIES"_s, u"EGG_DIAG_SE_HMEROMHNIES"_s,
                           u"EGRAFES_SE_HMEROMHNIES"_s, u"GRAMMENOI"_s, u"KARTA"_s,
                           u"MWRA_ME_MEG_APO_1_EGG"_s}));
    EXPECT_EQ(actualColumns(connection, u"KARTA"_s), actualColumns(connection, u"CHILDREN"_s));
    EXPECT_EQ(actualColumns(connection, u"GRAMMENOI"_s),
              (QList<Column>{{u"ARITHMOS_MHTRWOY"_s, ColumnKind::Integer},
                             {u"ONOMA_PAIDIOY"_s, ColumnKind::Text},
                             {u"EPWNYMO_PAIDIOY"_s, ColumnKind::Text},
                             {u"HMEROMHNIA_EGGRAFHS"_s, ColumnKind::Date}}));
    for (const QString& view : {u"EGRAFES_SE_HMEROMHNIES"_s, u"DIAGRAFES_SE_HMEROMHNIES"_s,
                                u"EGG_DIAG_SE_HMEROMHNIES"_s}) {
        const QList<Column> columns = actualColumns(connection, view);
        EXPECT_EQ(columnNames(columns), kEnrolmentColumns) << view.toStdString();
        EXPECT_EQ(columns.at(10).kind, ColumnKind::Date);
        EXPECT_EQ(columns.at(11).kind, ColumnKind::Date);
    }
    EXPECT_EQ(columnNames(actualColumns(connection, u"MWRA_ME_MEG_APO_1_EGG"_s)),
              QStringList{u"ARITHMOS_MHTRWOY"_s});
}

TEST_F(Schema, StartsWithTheOneRowTablesFilledAndNoReceiptCounter) {
    EXPECT_EQ(count(connection, u"PRAGMA user_version"_s), db::schemaVersion());
    EXPECT_EQ(db::schemaVersion(), 2);
    db::Query secure(connection, u"SELECT * FROM SECURE"_s);
    secure.open();
    ASSERT_EQ(secure.rowCount(), 1);
    EXPECT_EQ(secure.text(0), u"40917263"_s);  // the start-up reads the first column
    for (const QString& table : {u"PERIGRAFH"_s, u"SYNTELESTHS_VAT"_s, u"INFORMATION"_s}) {
        EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM "_s + table), 1) << table.toStdString();
    }
    db::Query vat(connection, u"SELECT * FROM SYNTELESTHS_VAT"_s);
    vat.open();
    EXPECT_EQ(vat.value(0).toDouble(), 15.0);  // the receipt prints read the first column
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM APODEIKSH_LAST"_s), 0);
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM CHILDREN"_s), 0);
}

// A file of the first version lacks the receipts' date index; the upgrade adds it, as a new
// file has it, once.
TEST_F(Schema, UpgradesAFileOfTheFirstVersionAndLeavesACurrentOneAlone) {
    const QString indexCount =
        u"SELECT COUNT(*) FROM sqlite_master WHERE name='APODEIKSEIS_HISTORY_DATE'"_s;
    const QString indexText =
        u"SELECT sql FROM sqlite_master WHERE name='APODEIKSEIS_HISTORY_DATE'"_s;
    const QVariant delivered = db::scalar(connection, indexText);
    connection.executeNative(u"DROP INDEX APODEIKSEIS_HISTORY_DATE; PRAGMA user_version = 1"_s);
    db::upgradeSchema(connection);
    EXPECT_EQ(db::scalar(connection, indexText), delivered);
    EXPECT_EQ(count(connection, u"PRAGMA user_version"_s), db::schemaVersion());
    connection.executeNative(u"DROP INDEX APODEIKSEIS_HISTORY_DATE"_s);
    db::upgradeSchema(connection);
    EXPECT_EQ(count(connection, indexCount), 0);
}

TEST_F(Schema, LedgerRefusesASecondRowForTheSameChildMonthAndYearEvenWhenPaid) {
    const QString owed =
        u"INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,ETOS,CHECKER) VALUES(25,3,2010,'Χ')"_s;
    connection.execute(owed);
    EXPECT_TRUE(refuses(connection, owed));
    EXPECT_FALSE(refuses(connection,
                         u"INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,"
                         "ETOS,CHECKER) VALUES(25,4,2010,'Χ')"_s));
    EXPECT_FALSE(refuses(connection,
                         u"INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,MHNAS,"
                         "ETOS,CHECKER) VALUES(26,3,2010,'Χ')"_s));

    // The payment replaces the owed row by a paid one; the start-up duty's owed row is refused.
    connection.execute(
        u"DELETE FROM APODEIKSEIS_DIDAKTRWN WHERE ARITHMOS_MHTRWOY=25 AND MHNAS=03 "
        "AND ETOS=2010"_s);
    connection.execute(
        u"INSERT INTO APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,ARITHMOS_APODEIKSHS,"
        "POSO,HMEROMHNIA,CHECKER,MHNAS,ETOS,VAT) VALUES(25,'41',100,#3/5/2010#,'Π',"
        "03,2010,15)"_s);
    EXPECT_TRUE(refuses(connection, owed));
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN WHERE "
                    "ARITHMOS_MHTRWOY=25 AND MHNAS=3 AND ETOS=2010 AND CHECKER='Π'"_s),
              1);
}

TEST_F(Schema, AppointmentsAndAbsencesRefuseASecondRowForTheSameDay) {
    const QString day = u"INSERT INTO RANTEBOU(HMEROMHNIA) VALUES(#3/5/2024#)"_s;
    connection.execute(day);
    EXPECT_TRUE(refuses(connection, day));
    EXPECT_FALSE(refuses(connection, u"INSERT INTO RANTEBOU(HMEROMHNIA) VALUES(#3/6/2024#)"_s));
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM RANTEBOU"_s), 2);

    const QString absence =
        u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) VALUES(12,#5/3/2010#)"_s;
    connection.execute(absence);
    EXPECT_TRUE(refuses(connection, absence));
    EXPECT_FALSE(refuses(connection,
                         u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) "
                         "VALUES(12,#5/4/2010#)"_s));
    EXPECT_FALSE(refuses(connection,
                         u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) "
                         "VALUES(13,#5/3/2010#)"_s));
}

TEST_F(Schema, TitleLinesStayOneRowAfterRepeatedUpdates) {
    for (const QString& title : {u"ΕΛΕΓΧΟΣ ΑΠΟΥΣΙΩΝ"_s, u"ΠΡΩΤΗ"_s, u"ΔΕΥΤΕΡΗ"_s}) {
        connection.execute(u"UPDATE PERIGRAFH SET KEIMENO1='%1',KEIMENO2=''"_s.arg(title));
    }
    db::Query lines(connection, u"SELECT * FROM PERIGRAFH"_s);
    lines.open();
    ASSERT_EQ(lines.rowCount(), 1);
    EXPECT_EQ(lines.text(u"KEIMENO1"_s), u"ΔΕΥΤΕΡΗ"_s);
    EXPECT_EQ(lines.text(u"KEIMENO2"_s), QString());
}

TEST_F(Schema, NewGroupGetsAFreshIdThatIsNeverReused) {
    const QString insert = u"insert into GROUP_NAMES(OMADA,RESPONSIBLE) VALUES('%1','%2')"_s;
    connection.execute(insert.arg(u"Πεταλούδες"_s, u"Ελένη"_s));
    connection.execute(insert.arg(u"Μέλισσες"_s, u"Μαρία"_s));
    EXPECT_EQ(
        count(connection, u"SELECT COUNT(DISTINCT ID) FROM GROUP_NAMES WHERE ID IS NOT NULL"_s), 2);
    const int last = count(connection, u"SELECT MAX(ID) FROM GROUP_NAMES"_s);
    // A deleted group's number stays its own, so members left behind never join a new group.
    connection.execute(u"DELETE FROM GROUP_NAMES WHERE ID=%1"_s.arg(last));
    connection.execute(insert.arg(u"Αστεράκια"_s, u"Άννα"_s));
    EXPECT_GT(count(connection, u"SELECT ID FROM GROUP_NAMES WHERE OMADA='Αστεράκια'"_s), last);
}

TEST_F(Schema, DefaultsMakeANewChildActiveAndEveryRegisterDayPresent) {
    connection.execute(
        u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY) "
        "VALUES(25,'Άννα','Ιωάννου')"_s);
    EXPECT_EQ(db::scalar(connection, u"SELECT ENERGO FROM CHILDREN"_s).toString(), u"ΝΑΙ"_s);

    connection.execute(
        u"INSERT INTO APOYSIES_TEMP(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY) "
        "SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY FROM CHILDREN WHERE "
        "ENERGO='ΝΑΙ'"_s);
    db::Query reg(connection, u"SELECT * FROM APOYSIES_TEMP"_s);
    reg.open();
    ASSERT_EQ(reg.rowCount(), 1);
    for (int day = 1; day <= 31; ++day) {
        EXPECT_EQ(reg.text(u"M"_s + QString::number(day)), u"Π"_s) << day;
    }

    connection.execute(
        u"INSERT INTO APODEIKSEIS_GEN(AR_APODEIKSHS,POSO,HMEROMHNIA,EGKYRO) "
        "VALUES('120',50,DATE(),1)"_s);
    db::Query receipt(connection, u"SELECT EGKYRO FROM APODEIKSEIS_GEN WHERE EGKYRO=TRUE"_s);
    receipt.open();
    ASSERT_EQ(receipt.rowCount(), 1);
    EXPECT_EQ(receipt.text(u"EGKYRO"_s), u"True"_s);
}

TEST_F(Schema, RefusesValuesOfTheWrongKind) {
    // Whole numbers: letters, an empty text and a fraction are refused; quoted digits are stored
    // as the number.
    for (const QString& value : {u"'abc'"_s, u"''"_s, u"41.5"_s, u"'4a'"_s}) {
        EXPECT_TRUE(
            refuses(connection, u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY) VALUES(%1)"_s.arg(value)))
            << value.toStdString();
        EXPECT_TRUE(refuses(connection,
                            u"INSERT INTO APODEIKSH_LAST(LAST_NUMBER) VALUES(%1)"_s.arg(value)));
    }
    connection.execute(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ADELFOYS) VALUES('41','2')"_s);
    EXPECT_EQ(db::scalar(connection,
                         u"SELECT typeof(ARITHMOS_MHTRWOY) || typeof(ADELFOYS) FROM CHILDREN"_s)
                  .toString(),
              u"integerinteger"_s);

    // Dates: only a real calendar day in the stored form.
    for (const QString& value : {u"'2010-02-31'"_s, u"'31/12/2010'"_s, u"'2010-13-01'"_s,
                                 u"20100305"_s, u"'2010-03-05 10:00:00'"_s, u"'ΣΗΜΕΡΑ'"_s}) {
        EXPECT_TRUE(
            refuses(connection,
                    u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) VALUES(1,%1)"_s.arg(value)))
            << value.toStdString();
    }
    EXPECT_TRUE(refuses(connection,
                        u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) VALUES(1,ERROR)"_s));
    connection.execute(
        u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) VALUES(1,#2/29/2012#)"_s);

    // Decimals and yes/no.
    EXPECT_TRUE(refuses(connection, u"INSERT INTO EKSODA(POSO) VALUES('δέκα')"_s));
    EXPECT_TRUE(refuses(connection, u"INSERT INTO SYNTELESTHS_VAT(VAT_RATIO) VALUES('')"_s));
    connection.execute(u"INSERT INTO EKSODA(POSO,VAT) VALUES('12.5',2)"_s);
    EXPECT_EQ(db::scalar(connection, u"SELECT POSO + VAT FROM EKSODA"_s).toDouble(), 14.5);
    EXPECT_TRUE(refuses(connection, u"INSERT INTO APODEIKSEIS_GEN(EGKYRO) VALUES(2)"_s));
    EXPECT_TRUE(refuses(connection, u"INSERT INTO APODEIKSEIS_GEN(EGKYRO) VALUES('True')"_s));
}

TEST_F(Schema, RegistryNumberIsRequiredUniqueAndNeverMadeUp) {
    connection.execute(u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY) VALUES(25,'Άννα')"_s);
    EXPECT_TRUE(refuses(
        connection, u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY) VALUES(25,'Ελένη')"_s));
    // A card saved without a number is refused rather than numbered by the engine.
    EXPECT_TRUE(refuses(connection, u"INSERT INTO CHILDREN(ONOMA_PAIDIOY) VALUES('Ελένη')"_s));
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM CHILDREN"_s), 1);
}

TEST_F(Schema, DeletingAChildLeavesItsRowsInTheOtherTables) {
    connection.execute(
        u"INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,HMEROMHNIA_GENNHSEWS) VALUES(25,#1/4/2005#)"_s);
    connection.execute(
        u"insert into CHILDREN_EGG_DIAG(ARITHMOS_MHTRWOY,HMEROMHNIA_EGGRAFHS) VALUES(25,#9/1/2008#)"_s);
    connection.execute(
        u"insert into APODEIKSEIS_DIDAKTRWN(ARITHMOS_MHTRWOY,CHECKER,MHNAS,ETOS) VALUES(25,'Χ',9,2008)"_s);
    connection.execute(
        u"insert into APOYSIES(ARITHMOS_MHTRWOY,HMEROMHNIA) VALUES(25,#9/3/2008#)"_s);
    connection.execute(u"DELETE FROM CHILDREN WHERE YEAR(HMEROMHNIA_GENNHSEWS)=2005"_s);
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM CHILDREN"_s), 0);
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM CHILDREN_EGG_DIAG"_s), 1);
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM APODEIKSEIS_DIDAKTRWN"_s), 1);
    EXPECT_EQ(count(connection, u"SELECT COUNT(*) FROM APOYSIES"_s), 1);
}

TEST_F(Schema, ReceiptNumbersAreTextsAndTextsCompareTheGreekWay) {
    for (const QString& number : {u"9"_s, u"10"_s, u"100"_s}) {
        connection.execute(
            u"INSERT INTO APODEIKSEIS_HISTORY(ARITHMOS_APODEIKSHS,EGKYRO,"
            "EPWNYMO_PAIDIOY) VALUES('%1',1,'Παπαδοπούλου')"_s.arg(number));
    }
    db::Query receipts(connection,
                       u"SELECT ARITHMOS_APODEIKSHS FROM APODEIKSEIS_HISTORY "
                       "ORDER BY ARITHMOS_APODEIKSHS ASC"_s);
    receipts.open();
    const int number = receipts.columnIndex(u"ARITHMOS_APODEIKSHS"_s);
    EXPECT_EQ((QStringList{receipts.textAt(0, number), receipts.textAt(1, number),
                           receipts.textAt(2, number)}),
              (QStringList{u"10"_s, u"100"_s, u"9"_s}));
    EXPECT_EQ(count(connection,
                    u"SELECT COUNT(*) FROM APODEIKSEIS_HISTORY WHERE "
                    "EPWNYMO_PAIDIOY='ΠΑΠΑΔΟΠΟΥΛΟΥ'"_s),
              3);
}

TEST(DeliveredDatabase, CannotBeReadWithoutThePassword) {
    testsupport::TempProgramDir dir;
    testsupport::makeDeliveredDatabase(dir);
    QFile file(dir.databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_FALSE(content.startsWith("SQLite format 3"));
    EXPECT_FALSE(content.contains("ARITHMOS_MHTRWOY"));

    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(dir.databasePath()).constData(), &handle,
                              SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(handle, "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr, nullptr),
              SQLITE_NOTADB);
    sqlite3_close_v2(handle);

    db::Connection wrong(dir.connectionString().replace(db::databasePassword(), u"QRT731L"_s));
    EXPECT_THROW(wrong.open(), db::Error);
}

TEST(DeliveredDatabase, IsNeverWrittenOverAnExistingFile) {
    testsupport::TempProgramDir dir;
    QFile existing(dir.databasePath());
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("the staff's data");
    existing.close();
    EXPECT_THROW(db::createDeliveredDatabase(dir.databasePath()), db::Error);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("the staff's data"));
}
