// The report files against the data the program really hands them: the delivered database,
// the statements and tables of the printing windows, turned into data sets by reports::dataSet.
// Every column a report file reads must be in its data sets, and what it prints must read
// right (dates dd/mm/yyyy, amounts with two decimals, month names).

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "children/card_print.h"
#include "db/query.h"
#include "db/table.h"
#include "finance/tuition_receipt.h"
#include "report_test_support.h"
#include "reports/report_engine.h"
#include "support/delivered_database.h"
#include "support/qt_printers.h"

namespace {

using reports::DataSet;

// The upper-case names a report file reads ({{NAME}}, {{#NAME}}, {{^NAME}}): its columns.
QSet<QString> columnsRead(const QString& reportFile) {
    QFile file(reporttest::reportFile(reportFile));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << reportFile.toStdString();
    static const QRegularExpression tag(QStringLiteral(R"(\{\{[#^/]?\s*([A-Z][A-Z0-9_]*)\s*\}\})"));
    QSet<QString> names;
    for (const QRegularExpressionMatch& match : tag.globalMatch(QString::fromUtf8(file.readAll())))
        names.insert(match.captured(1));
    return names;
}

class ReportData : public testing::Test {
protected:
    void SetUp() override {
        reporttest::ensureApplication();
        seed();
    }

    void run(const QString& statement) { database_.connection().execute(statement); }

    DataSet query(const QString& name, const QString& statement) {
        db::Query rows(database_.connection(), statement);
        rows.open();
        return reports::dataSet(name, rows);
    }

    DataSet table(const QString& name, const QString& tableName, const QString& sort = {}) {
        db::Table rows(database_.connection(), tableName);
        rows.open();
        if (!sort.isEmpty())
            rows.setSort(sort);
        return reports::dataSet(name, rows);
    }

    // Checks the report file reads only columns its data sets carry, and returns its text.
    QString printed(const QString& reportFile, const QList<DataSet>& dataSets) {
        QSet<QString> carried;
        QSet<QString> connections;
        for (const DataSet& set : dataSets) {
            connections.insert(set.name);
            for (const QString& column : set.columns) carried.insert(column.toUpper());
        }
        for (const QString& column : columnsRead(reportFile)) {
            EXPECT_TRUE(carried.contains(column) || connections.contains(column))
                << reportFile.toStdString() << " reads " << column.toStdString()
                << ", which its data sets do not carry";
        }
        return reports::render(reporttest::reportFile(reportFile), dataSets)
            .plainText()
            .simplified();
    }

    DataSet titles(const QString& name) { return table(name, QStringLiteral("PERIGRAFH")); }

    testsupport::DeliveredDatabase database_;
    reporttest::FixedToday today_{QDate(2024, 3, 15)};

private:
    void seed() {
        run(QStringLiteral(
            "INSERT INTO "
            "CHILDREN(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,HMEROMHNIA_GENNHSEWS,"
            "FYLO,ONOMA_KHDEMONA,DIEYTHYNSH_KHDEMONA,THLEFWNO_ERGASIAS_KHDEMONA,ALLERGIES,"
            "EMBOLIO_TETANOS,ADELFOYS,ADELFES,ENERGO) "
            "VALUES(212,'Μαρία','Παπαδοπούλου',#5/14/2020#,"
            "'Κορίτσι','Γιάννης Παπαδόπουλος','Λεωφ. Μακαρίου 45, Λευκωσία','22 778899',"
            "'Φιστίκια',#7/15/2020#,0,1,'ΝΑΙ')"));
        run(QStringLiteral(
            "UPDATE PERIGRAFH SET KEIMENO1='ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ',KEIMENO2=''"));
        run(QStringLiteral(
            "UPDATE INFORMATION SET TITLE='Νηπιαγωγείο Τα Χελιδόνια',AFT='10234567Κ'"));
        run(QStringLiteral(
            "INSERT INTO APODEIKSEIS_HISTORY(ARITHMOS_MHTRWOY,ARITHMOS_APODEIKSHS,POSO,HMEROMHNIA,"
            "MHNAS,ETOS,VAT,POSO_KAI_VAT,EGKYRO,POSOCY,VATCY,POSO_KAI_VATCY,ONOMA_PAIDIOY,"
            "EPWNYMO_PAIDIOY,PARALHPTHS) VALUES(212,'57',50,#3/15/2024#,3,2024,7.5,57.5,1,29.26,"
            "4.39,33.65,'Μαρία','Παπαδοπούλου','Γιάννης Παπαδόπουλος')"));
        run(QStringLiteral(
            "INSERT INTO APODEIKSEIS_GEN(AR_APODEIKSHS,POSO,HMEROMHNIA,VAT,POSO_KAI_VAT,EGKYRO,"
            "POSOCY,VATCY,POSO_KAI_VAT_CY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,PARALHPTHS,PERIGRAFH) "
            "VALUES('120',50,#3/15/2024#,7.5,57.5,1,29.26,4.39,33.65,'Σοφία','Ιωάννου',"
            "'Άννα Ιωάννου','Εκπαιδευτική εκδρομή')"));
        run(
            QStringLiteral("INSERT INTO EKSODA(HMEROMHNIA,POSO,VAT,PERIGRAFH) "
                           "VALUES(#3/1/2024#,1234.5,185.18,'Ηλεκτρικό ρεύμα')"));
        run(
            QStringLiteral("INSERT INTO EKSODA(HMEROMHNIA,POSO,VAT,PERIGRAFH) "
                           "VALUES(#4/2/2024#,80,12,'Νερό')"));
    }
};

TEST_F(ReportData, ListsAndCardsReadTheChildrenStatements) {
    const QString search = printed(
        QStringLiteral("EREYNA.rav"),
        {titles(QStringLiteral("RvDataSetConnection5a")),
         query(QStringLiteral("RvDataSetConnection6a"),
               QStringLiteral("SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,"
                              "str(HMEROMHNIA_GENNHSEWS) as HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,"
                              "ONOMA_MHTERAS,ONOMA_KHDEMONA,DIEYTHYNSH_OIKIAS,"
                              "THLEFWNO_ERGASIAS_KHDEMONA FROM CHILDREN WHERE ENERGO='ΝΑΙ' AND "
                              "ALLERGIES IS NOT NULL ORDER BY EPWNYMO_PAIDIOY ASC"))});
    EXPECT_TRUE(search.contains(QStringLiteral("ΠΑΙΔΙΑ ΠΟΥ ΕΧΟΥΝ ΑΛΛΕΡΓΙΕΣ")))
        << search.toStdString();
    EXPECT_TRUE(search.contains(QStringLiteral("Παπαδοπούλου Μαρία 14/05/2020 Κορίτσι")))
        << search.toStdString();

    const QString catalogue = printed(
        QStringLiteral("CATALOG.RAV"),
        {query(QStringLiteral("RvDataSetConnection9"),
               QStringLiteral("SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY, EPWNYMO_PAIDIOY,"
                              "HMEROMHNIA_GENNHSEWS,FYLO,ONOMA_PATERA,ONOMA_MHTERAS,ONOMA_KHDEMONA,"
                              "DIEYTHYNSH_OIKIAS,THLEFWNO_ERGASIAS_KHDEMONA,ENERGO FROM CHILDREN "
                              "WHERE ENERGO='ΝΑΙ' AND 1>0  ORDER BY ARITHMOS_MHTRWOY ASC"))});
    EXPECT_TRUE(catalogue.contains(QStringLiteral("14/05/2020 Κορίτσι")))
        << catalogue.toStdString();
    EXPECT_TRUE(catalogue.contains(QStringLiteral("22 778899 ΝΑΙ"))) << catalogue.toStdString();

    const DataSet cards =
        query(QStringLiteral("RvDataSetConnection9"), children::allCardsStatement());
    const QString personal = printed(QStringLiteral("ATOMIKO_DELTIO.RAV"), {cards});
    EXPECT_TRUE(personal.contains(QStringLiteral("Ημερομηνία γεννήσεως: 14/05/2020")))
        << personal.toStdString();
    EXPECT_TRUE(personal.contains(QStringLiteral("Αγόρια: 0 Κορίτσια: 1")))
        << personal.toStdString();
    const QString health = printed(QStringLiteral("DELTIO_YGEIAS.RAV"), {cards});
    EXPECT_TRUE(health.contains(QStringLiteral("Εμβόλιο τετάνου: 15/07/2020")))
        << health.toStdString();
    EXPECT_TRUE(health.contains(QStringLiteral("Αλλεργίες: Φιστίκια"))) << health.toStdString();

    const QString envelopes = printed(
        QStringLiteral("FAKELLOI.rav"),
        {query(QStringLiteral("RvDataSetConnection8"),
               QStringLiteral("SELECT ONOMA_KHDEMONA, DIEYTHYNSH_KHDEMONA FROM CHILDREN WHERE "
                              "ENERGO='ΝΑΙ' ORDER BY ONOMA_KHDEMONA ASC"))});
    EXPECT_EQ(envelopes, QStringLiteral("Προς: Γιάννης Παπαδόπουλος Λεωφ. Μακαρίου 45, Λευκωσία"));
}

TEST_F(ReportData, RegisterAndYearlyStatusReadTheirScratchTables) {
    run(
        QStringLiteral("UPDATE PERIGRAFH SET KEIMENO1='ΠΑΡΟΥΣΙΟΛΟΓΙΟ',KEIMENO2='Σχολική χρονιά: "
                       "2024, Μήνας: Μάρτιος'"));
    run(
        QStringLiteral("INSERT INTO APOYSIES_TEMP(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY) "
                       "SELECT ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY FROM CHILDREN "
                       "WHERE ENERGO='ΝΑΙ'"));
    run(QStringLiteral("UPDATE APOYSIES_TEMP SET M3='Α' WHERE ARITHMOS_MHTRWOY=212"));
    const QString registerText =
        printed(QStringLiteral("PAROYSIOLOGIO.RAV"),
                {table(QStringLiteral("RvDataSetConnection15"), QStringLiteral("APOYSIES_TEMP"),
                       QStringLiteral("EPWNYMO_PAIDIOY ASC")),
                 titles(QStringLiteral("RvDataSetConnection16"))});
    EXPECT_TRUE(registerText.contains(QStringLiteral("Σχολική χρονιά: 2024, Μήνας: Μάρτιος")));
    EXPECT_TRUE(registerText.contains(QStringLiteral("Παπαδοπούλου Μαρία Π Π Α Π")))
        << registerText.toStdString();

    run(
        QStringLiteral("UPDATE PERIGRAFH SET KEIMENO1='ΚΑΤΑΣΤΑΣΗ ΠΛΗΡΩΜΗΣ ΔΙΔΑΚΤΡΩΝ ΓΙΑ ΤΟ ΕΤΟΣ "
                       "2024',KEIMENO2=''"));
    run(
        QStringLiteral("INSERT INTO DIDAKTRA_TEMP(ARITHMOS_MHTRWOY,ONOMA_PAIDIOY,EPWNYMO_PAIDIOY,"
                       "HMEROMHNIA_EGGRAFHS) VALUES(212,'Μαρία','Παπαδοπούλου','01/09/2023')"));
    run(
        QStringLiteral("UPDATE DIDAKTRA_TEMP SET C3='Π',T3='57',P3='50.00',V3='7.50',"
                       "H3='15/03/2024' WHERE ARITHMOS_MHTRWOY=212"));
    run(
        QStringLiteral("UPDATE DIDAKTRA_TEMP SET C4='Χ',T4='',P4='',V4='',H4='' WHERE "
                       "ARITHMOS_MHTRWOY=212"));
    const QString yearly =
        printed(QStringLiteral("DIDAKTRA.RAV"),
                {table(QStringLiteral("RvDataSetConnection17"), QStringLiteral("DIDAKTRA_TEMP")),
                 titles(QStringLiteral("RvDataSetConnection18"))});
    EXPECT_TRUE(yearly.contains(QStringLiteral("ΓΙΑ ΤΟ ΕΤΟΣ 2024")));
    EXPECT_TRUE(yearly.contains(QStringLiteral("01/09/2023 Π Απ. 57 50,00 ΦΠΑ 7,50 15/03/2024 Χ")))
        << yearly.toStdString();
}

TEST_F(ReportData, ReceiptsReadTheReceiptQueriesHeaderAndRate) {
    const auto tuitionSets = [&](int number) {
        return QList<DataSet>{
            query(QStringLiteral("RvDataSetConnection69"),
                  finance::tuitionReceiptStatement(number)),
            table(QStringLiteral("RvDataSetConnectionSTOIX"), QStringLiteral("INFORMATION")),
            table(QStringLiteral("RvDataSetConnectionVATRATIO"),
                  QStringLiteral("SYNTELESTHS_VAT"))};
    };
    run(QStringLiteral("UPDATE SYNTELESTHS_VAT SET VAT_RATIO=15"));
    const QString receipt = printed(QStringLiteral("APODEIKSEIS.RAV"), tuitionSets(57));
    EXPECT_TRUE(receipt.contains(QStringLiteral("Νηπιαγωγείο Τα Χελιδόνια")))
        << receipt.toStdString();
    EXPECT_TRUE(receipt.contains(QStringLiteral("Αριθμός 57 Ημερομηνία 15/03/2024")))
        << receipt.toStdString();
    EXPECT_TRUE(receipt.contains(QStringLiteral("Δίδακτρα μηνός: Μαρτίου 2024")))
        << receipt.toStdString();
    EXPECT_TRUE(receipt.contains(QStringLiteral("Φ.Π.Α. 15% 7,50 4,39 Σύνολο 57,50 33,65")))
        << receipt.toStdString();

    const QString headerOnly = printed(QStringLiteral("APODEIKSEIS.RAV"), tuitionSets(0));
    EXPECT_TRUE(headerOnly.startsWith(QStringLiteral("Νηπιαγωγείο Τα Χελιδόνια")))
        << headerOnly.toStdString();
    EXPECT_FALSE(headerOnly.contains(QStringLiteral("ΑΠΟΔΕΙΞΗ"))) << headerOnly.toStdString();

    run(QStringLiteral("UPDATE SYNTELESTHS_VAT SET VAT_RATIO=0"));
    const QString vatFree = printed(QStringLiteral("APODEIKSEISVATFREE.RAV"), tuitionSets(57));
    EXPECT_FALSE(vatFree.contains(QStringLiteral("Φ.Π.Α. "))) << vatFree.toStdString();

    const QList<DataSet> general{
        query(QStringLiteral("rdvdatnexapo"),
              QStringLiteral("SELECT APODEIKSEIS_GEN.AR_APODEIKSHS, APODEIKSEIS_GEN.ONOMA_PAIDIOY, "
                             "APODEIKSEIS_GEN.EPWNYMO_PAIDIOY, APODEIKSEIS_GEN.PARALHPTHS, "
                             "APODEIKSEIS_GEN.PERIGRAFH, STR(APODEIKSEIS_GEN.HMEROMHNIA) AS "
                             "HMEROMHNIA, Format(APODEIKSEIS_GEN.POSO,'0.00') AS POSO, "
                             "FORMAT(APODEIKSEIS_GEN.VAT,'0.00') AS VAT, "
                             "FORMAT(APODEIKSEIS_GEN.POSO_KAI_VAT,'0.00') AS POSO_KAI_VAT FROM "
                             "APODEIKSEIS_GEN WHERE AR_APODEIKSHS='120'")),
        table(QStringLiteral("STOIXNEIPAPODEGENFYS"), QStringLiteral("INFORMATION")),
        table(QStringLiteral("VATINGEN"), QStringLiteral("SYNTELESTHS_VAT"))};
    const QString generalReceipt = printed(QStringLiteral("APODEIKSEIS_GEN_VAT.RAV"), general);
    EXPECT_TRUE(generalReceipt.contains(QStringLiteral("Αριθμός 120")))
        << generalReceipt.toStdString();
    EXPECT_TRUE(generalReceipt.contains(QStringLiteral("Αιτιολογία: Εκπαιδευτική εκδρομή")));
    EXPECT_FALSE(generalReceipt.contains(QStringLiteral("CYP"))) << generalReceipt.toStdString();
    EXPECT_TRUE(printed(QStringLiteral("APODEIKSEIS_GEN.RAV"), general)
                    .contains(QStringLiteral("Σύνολο 57,50")));
}

TEST_F(ReportData, ExpensesAndProgrammesReadTheirStatements) {
    const QString range =
        QStringLiteral(" WHERE EKSODA.HMEROMHNIA Between #1/1/2024# AND #12/31/2024#");
    const QString list = printed(
        QStringLiteral("EKSODA1.RAV"),
        {query(QStringLiteral("RvDataSetConnection3"),
               QStringLiteral("SELECT Format(EKSODA.HMEROMHNIA,\"dd/mm/yyyy\") AS HMEROMHNIA, "
                              "Format(EKSODA.POSO,'0.00') AS AKSIA, Format(EKSODA.VAT,'0.00') AS "
                              "VAT, Format((EKSODA.POSO+EKSODA.VAT),'0.00') AS SYNOLO, "
                              "EKSODA.PERIGRAFH FROM EKSODA") +
                   range + QStringLiteral(" ORDER BY EKSODA.HMEROMHNIA ASC")),
         query(
             QStringLiteral("RvDataSetConnection4"),
             QStringLiteral("SELECT Format(SUM(EKSODA.POSO),'0.00') AS AKSIA, "
                            "Format(SUM(EKSODA.VAT),'0.00') AS VAT, "
                            "Format(SUM((EKSODA.POSO+EKSODA.VAT)),'0.00') AS SYNOLO FROM EKSODA") +
                 range)});
    EXPECT_TRUE(
        list.contains(QStringLiteral("1 01/03/2024 Ηλεκτρικό ρεύμα 1.234,50 185,18 1.419,68")))
        << list.toStdString();
    EXPECT_TRUE(list.contains(QStringLiteral("Αξία + Φ.Π.Α (EUR): 1.511,68")))
        << list.toStdString();

    const QString years = QStringLiteral(" WHERE YEAR(EKSODA.HMEROMHNIA) BETWEEN 2023 AND 2024");
    const QString monthly = printed(
        QStringLiteral("EKSODA2.RAV"),
        {query(
             QStringLiteral("RvDataSetConnection5"),
             QStringLiteral("SELECT MONTH(EKSODA.HMEROMHNIA) AS [MONTH], YEAR(EKSODA.HMEROMHNIA) "
                            "AS [YEAR], Format(SUM(EKSODA.POSO),'0.00') AS AKSIA,"
                            "Format(SUM(EKSODA.VAT),'0.00') AS VAT, "
                            "Format(SUM(EKSODA.POSO+EKSODA.VAT),'0.00') AS SYNOLO FROM EKSODA") +
                 years +
                 QStringLiteral(" GROUP BY MONTH(EKSODA.HMEROMHNIA), YEAR(EKSODA.HMEROMHNIA)  "
                                "ORDER BY YEAR(EKSODA.HMEROMHNIA), MONTH(EKSODA.HMEROMHNIA) ASC")),
         query(QStringLiteral("RvDataSetConnection6"),
               QStringLiteral("SELECT Format(SUM(EKSODA.POSO),'0.00') AS AKSIA,"
                              "Format(SUM(EKSODA.VAT),'0.00') AS VAT, "
                              "Format(SUM(EKSODA.POSO+EKSODA.VAT),'0.00') AS SYNOLO FROM EKSODA") +
                   years)});
    EXPECT_TRUE(monthly.contains(QStringLiteral("Μάρτιος 2024 1.234,50 185,18 1.419,68")))
        << monthly.toStdString();
    EXPECT_TRUE(monthly.contains(QStringLiteral("Απρίλιος 2024 92,00"))) << monthly.toStdString();

    run(QStringLiteral("INSERT INTO HMERHSIO(HMEROMHNIA,KEIMENO) VALUES(#3/5/2024#,'Ζωγραφική')"));
    run(
        QStringLiteral("INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#5/20/2024#,#5/25/2024#,"
                       "'Τα ζώα της φάρμας')"));
    run(QStringLiteral("INSERT INTO XRONIAIO(ETOS,KEIMENO) VALUES(2024,'Προσαρμογή')"));
    run(
        QStringLiteral("INSERT INTO FAGHTO(PROGRAMMA,DEYTERA_1,SABBATO_3) VALUES('Χειμερινός',"
                       "'Γάλα','Φρούτο')"));
    EXPECT_EQ(printed(QStringLiteral("HMERHSIO.RAV"),
                      {query(QStringLiteral("RvDataSetConnection13"),
                             QStringLiteral("SELECT HMEROMHNIA, KEIMENO FROM HMERHSIO ORDER BY "
                                            "HMEROMHNIA DESC"))}),
              QStringLiteral("ΗΜΕΡΗΣΙΟ ΠΡΟΓΡΑΜΜΑ ΔΙΔΑΣΚΑΛΙΑΣ Τρίτη 5 Μαρτίου 2024 Ζωγραφική"));
    EXPECT_EQ(printed(QStringLiteral("EBDOMADIAIO.RAV"),
                      {query(QStringLiteral("RvDataSetConnection10"),
                             QStringLiteral("SELECT APO, MEXRI, KEIMENO FROM EBDOMADIAIO ORDER BY "
                                            "APO DESC"))}),
              QStringLiteral("ΕΒΔΟΜΑΔΙΑΙΟ ΠΡΟΓΡΑΜΜΑ ΔΙΔΑΣΚΑΛΙΑΣ Από 20/05/2024 έως 25/05/2024 "
                             "Τα ζώα της φάρμας"));
    EXPECT_EQ(printed(QStringLiteral("ETHSIO.RAV"),
                      {query(QStringLiteral("RvDataSetConnection11"),
                             QStringLiteral("SELECT * FROM XRONIAIO WHERE ETOS=1000"))}),
              QStringLiteral("ΕΤΗΣΙΟ ΠΡΟΓΡΑΜΜΑ ΔΙΔΑΣΚΑΛΙΑΣ Δεν βρέθηκε πρόγραμμα για εκτύπωση."));
    const QString menu = printed(
        QStringLiteral("FAGHTO.RAV"),
        {query(QStringLiteral("RvDataSetConnection14"), QStringLiteral("SELECT * FROM FAGHTO"))});
    EXPECT_TRUE(menu.contains(QStringLiteral("Χειμερινός"))) << menu.toStdString();
    EXPECT_TRUE(menu.contains(QStringLiteral("ΠΡΩΙΝΟ Γάλα"))) << menu.toStdString();
    EXPECT_TRUE(menu.contains(QStringLiteral("ΑΠΟΓΕΥΜΑΤΙΝΟ Φρούτο"))) << menu.toStdString();
}

}  // namespace
