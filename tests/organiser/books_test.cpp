#include <gtest/gtest.h>

#include "db/command.h"
#include "db/table.h"
#include "organiser/books.h"
#include "support/delivered_database.h"

namespace {

QStringList column(db::Table& table, const QString& name) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row) {
        texts.append(table.textAt(row, table.columnIndex(name)));
    }
    return texts;
}

TEST(Books, NotesListByHeadingGreekAwareAndDatedBooksNewestFirst) {
    testsupport::DeliveredDatabase database;
    db::Command add(database.connection());
    for (const QString& title : {QStringLiteral("γάλα"), QStringLiteral("Ωμέγα"),
                                 QStringLiteral("Άλφα"), QStringLiteral("βιβλία")}) {
        add.execute(QStringLiteral("INSERT INTO NOTES(TITLE) VALUES('%1')").arg(title));
    }
    db::Table notes(database.connection(), organiser::notesBook().table);
    notes.open();
    notes.setSort(organiser::notesBook().sort);
    EXPECT_EQ(column(notes, QStringLiteral("TITLE")),
              (QStringList{QStringLiteral("Άλφα"), QStringLiteral("βιβλία"), QStringLiteral("γάλα"),
                           QStringLiteral("Ωμέγα")}));

    for (const organiser::Book& book : {organiser::eventsBook(), organiser::remindersBook()}) {
        for (const QString& date : {QStringLiteral("#12/31/2023#"), QStringLiteral("#1/5/2024#"),
                                    QStringLiteral("#1/10/2023#")}) {
            add.execute(QStringLiteral("INSERT INTO %1(HMEROMHNIA,KEIMENO) VALUES(%2,'x')")
                            .arg(book.table, date));
        }
        db::Table table(database.connection(), book.table);
        table.open();
        table.setSort(book.sort);
        EXPECT_EQ(column(table, QStringLiteral("HMEROMHNIA")),
                  (QStringList{QStringLiteral("05/01/2024"), QStringLiteral("31/12/2023"),
                               QStringLiteral("10/01/2023")}))
            << book.table.toStdString();
    }
}

}  // namespace
