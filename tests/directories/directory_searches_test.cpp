#include <gtest/gtest.h>

#include "db/command.h"
#include "db/query.h"
#include "directories/directory_searches.h"
#include "support/delivered_database.h"

namespace {

QStringList found(db::Connection& connection, const QString& statement, const QString& column) {
    db::Query query(connection, statement);
    query.open();
    QStringList texts;
    for (int row = 0; row < query.rowCount(); ++row) {
        texts.append(query.textAt(row, query.columnIndex(column)));
    }
    return texts;
}

TEST(DirectorySearches, SearchTextsWithForbiddenCharactersAreNotSearched) {
    EXPECT_TRUE(directories::isSearchable(QString()));
    EXPECT_TRUE(directories::isSearchable(QStringLiteral(" Παπα Νίκος ")));
    EXPECT_FALSE(directories::isSearchable(QStringLiteral("Ο'Νιλ")));
    EXPECT_FALSE(directories::isSearchable(QStringLiteral("Παπ.")));
    EXPECT_FALSE(directories::isSearchable(QStringLiteral("Κων-")));
    EXPECT_FALSE(directories::isSearchable(QStringLiteral("%")));
}

TEST(DirectorySearches, PhoneBookStatementUpperCasesTheTrimmedText) {
    EXPECT_EQ(directories::phoneBookSearch(QStringLiteral(" πα ")),
              QStringLiteral(
                  "select * from contacts where UCASE(contact) like 'ΠΑ%'order by contact asc"));
    EXPECT_EQ(directories::staffSearch(QStringLiteral("κω")),
              QStringLiteral("select * from PROSWPIKO where PERSON like 'ΚΩ%'order by PERSON asc"));
}

TEST(DirectorySearches, InitialsInSmallLettersOrWithoutTonosFindStoredNames) {
    testsupport::DeliveredDatabase database;
    db::Connection& connection = database.connection();
    db::Command add(connection);
    for (const QString& name :
         {QStringLiteral("παπάς Νίκος"), QStringLiteral("Πέτρου Άννα"),
          QStringLiteral("Παπαδόπουλος Γιώργος"), QStringLiteral("Αλεξίου Ελένη")}) {
        add.execute(QStringLiteral("INSERT INTO CONTACTS(CONTACT) VALUES('%1')").arg(name));
        add.execute(QStringLiteral("INSERT INTO PROSWPIKO(PERSON) VALUES('%1')").arg(name));
    }
    const QStringList both = {QStringLiteral("Παπαδόπουλος Γιώργος"),
                              QStringLiteral("παπάς Νίκος")};
    for (const QString& typed :
         {QStringLiteral("παπα"), QStringLiteral("ΠΑΠΆ"), QStringLiteral("Πα")}) {
        EXPECT_EQ(found(connection, directories::phoneBookSearch(typed), QStringLiteral("CONTACT")),
                  both);
        EXPECT_EQ(found(connection, directories::staffSearch(typed), QStringLiteral("PERSON")),
                  both);
    }
    EXPECT_EQ(found(connection, directories::phoneBookSearch(QString()), QStringLiteral("CONTACT"))
                  .size(),
              4);
    EXPECT_TRUE(
        found(connection, directories::staffSearch(QStringLiteral("Ζ")), QStringLiteral("PERSON"))
            .isEmpty());
}

TEST(DirectorySearches, PaediatriciansAreListedOncePerNameAddressAndTelephone) {
    testsupport::DeliveredDatabase database;
    db::Command add(database.connection());
    const QString child = QStringLiteral(
        "INSERT INTO CHILDREN(ARITHMOS_MHTRWOY,ONOMA_GIATROY,DIEYTHYNSH_GIATROY,THLEFWNO_GIATROY) "
        "VALUES(%1,'%2','%3','%4')");
    add.execute(child.arg(1).arg(QStringLiteral("Νικολάου Ελένη"), QStringLiteral("Ερμού 5"),
                                 QStringLiteral("22101234")));
    add.execute(child.arg(2).arg(QStringLiteral("Νικολάου Ελένη"), QStringLiteral("Ερμού 5"),
                                 QStringLiteral("22101234")));
    add.execute(child.arg(3).arg(QStringLiteral("Αντωνίου Πέτρος"), QStringLiteral("Λήδρας 2"),
                                 QStringLiteral("22105678")));
    EXPECT_EQ(found(database.connection(), directories::paediatriciansStatement(),
                    QStringLiteral("ONOMA_GIATROY")),
              (QStringList{QStringLiteral("Αντωνίου Πέτρος"), QStringLiteral("Νικολάου Ελένη")}));

    // The same doctor with another telephone is another row.
    add.execute(child.arg(4).arg(QStringLiteral("Νικολάου Ελένη"), QStringLiteral("Ερμού 5"),
                                 QStringLiteral("99123456")));
    EXPECT_EQ(found(database.connection(), directories::paediatriciansStatement(),
                    QStringLiteral("ONOMA_GIATROY"))
                  .size(),
              3);
}

}  // namespace
