// The school programme's statements on a real delivered database: who is listed in which
// group, what deleting a group does to its children, quotes in the texts that reach a
// statement, and which programme a print of "the selected" one selects.
#include <gtest/gtest.h>

#include "db/query.h"
#include "db/table.h"
#include "programme/food_menu.h"
#include "programme/groups.h"
#include "programme/teaching_programmes.h"
#include "searches/search_children.h"
#include "searches/title_lines.h"

using namespace Qt::StringLiterals;

namespace {

class ProgrammeData : public ::testing::Test {
protected:
    searchtest::SearchDatabase database;

    db::Connection& connection() { return database.connection(); }

    qint64 addGroup(const QString& name, const QString& responsible) {
        connection().execute(programme::newGroupStatement(name, responsible));
        return connection().lastInsertRowId();
    }
    void assign(qint64 child, qint64 group) {
        connection().execute(programme::assignChildStatement(child, group));
    }
    QList<int> members(qint64 group) {
        return database.listed(programme::groupMembersStatement(group));
    }
    QList<int> unassigned() { return database.listed(programme::unassignedChildrenStatement()); }
    int rowsOf(const QString& statement) {
        db::Query query(connection(), statement);
        query.open();
        return query.rowCount();
    }
};

}  // namespace

TEST_F(ProgrammeData, OnlyActiveChildrenAreListedMembersBySurnameUnassignedOldestFirst) {
    database.addChild(1, u"Ψαρά"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#1/10/2020#"_s}});
    database.addChild(2, u"Αβραάμ"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#5/2/2019#"_s}});
    database.addChild(3, u"Βλάχου"_s, {{u"HMEROMHNIA_GENNHSEWS"_s, u"#3/3/2018#"_s}});
    database.addChild(4, u"Ανενεργή"_s, {{u"ENERGO"_s, u"'ΟΧΙ'"_s}});
    database.addChild(5, u"Άλλη"_s, {{u"ENERGO"_s, u"'ΟΧΙ'"_s}});
    EXPECT_EQ(unassigned(), (QList<int>{3, 2, 1}));

    const qint64 stars = addGroup(u"  Αστεράκια "_s, u" Ελένη "_s);
    assign(1, stars);
    assign(2, stars);
    assign(4, stars);  // inactive: in the group, yet listed nowhere
    EXPECT_EQ(members(stars), (QList<int>{2, 1}));
    EXPECT_EQ(unassigned(), (QList<int>{3}));

    connection().execute(programme::removeChildStatement(1));
    EXPECT_EQ(members(stars), (QList<int>{2}));
    EXPECT_EQ(unassigned(), (QList<int>{3, 1}));

    // The printed list holds the same children as the members list.
    EXPECT_EQ(database.listed(programme::groupListStatement(stars)), (QList<int>{2}));
    // Blanks around the typed texts are not stored.
    db::Query stored(connection(), u"SELECT OMADA, RESPONSIBLE FROM GROUP_NAMES"_s);
    stored.open();
    EXPECT_EQ(stored.text(u"OMADA"_s), u"Αστεράκια"_s);
    EXPECT_EQ(stored.text(u"RESPONSIBLE"_s), u"Ελένη"_s);
}

TEST_F(ProgrammeData, DeletingAGroupReturnsItsChildrenToTheUnassigned) {
    database.addChild(1, u"Ένα"_s);
    database.addChild(2, u"Δύο"_s);
    const qint64 kept = addGroup(u"Αστεράκια"_s, u"Ελένη"_s);
    const qint64 deleted = addGroup(u"Πεταλούδες"_s, u"Μαρία"_s);
    assign(1, kept);
    assign(2, deleted);
    EXPECT_TRUE(unassigned().isEmpty());

    db::Table groups(connection(), programme::groupNamesTable());
    groups.setSort(programme::groupNamesSort());
    groups.open();
    groups.moveTo(1);
    ASSERT_EQ(groups.value(u"ID"_s).toLongLong(), deleted);
    programme::removeCurrentGroup(connection(), groups);

    EXPECT_EQ(groups.rowCount(), 1);
    EXPECT_EQ(unassigned(), (QList<int>{2}));
    EXPECT_EQ(members(kept), (QList<int>{1}));
    EXPECT_EQ(rowsOf(u"SELECT * FROM CHILDREN_OMADES WHERE OMADA_ID="_s + QString::number(deleted)),
              0);
}

TEST_F(ProgrammeData, QuotesInGroupTextsAndMenuNamesArriveWhole) {
    // Group names edited in place may hold a quote: the title lines carry it whole.
    const QString name = u"Τ' αστεράκια"_s;
    searches::writeTitleLines(connection(), programme::groupListTitle(name),
                              programme::groupListResponsibleLine(u"Ο'Νιλ"_s));
    connection().open();
    EXPECT_EQ(database.titleLines(), (QStringList{u"ΠΑΙΔΙΑ ΠΟΥ ANHKOYN ΣΤΗΝ ΟΜΑΔΑ: Τ' αστεράκια"_s,
                                                  u"ΥΠΕΥΘΥΝΟΣ: Ο'Νιλ"_s}));
    // Every caller of the writer is covered, the searches' one-line title too.
    searches::writeSearchTitle(connection(), u"ΠΑΙΔΙΑ ' OR 1=1 --"_s);
    connection().open();
    EXPECT_EQ(database.titleLines(), (QStringList{u"ΠΑΙΔΙΑ ' OR 1=1 --"_s, QString()}));

    connection().execute(u"INSERT INTO FAGHTO(PROGRAMMA,DEYTERA_1) VALUES('Ο''Νιλ','γάλα')"_s);
    connection().execute(u"INSERT INTO FAGHTO(PROGRAMMA,DEYTERA_1) VALUES('Άλλος','τσάι')"_s);
    EXPECT_EQ(rowsOf(programme::printMenuStatement(u"Ο'Νιλ"_s)), 1);
    EXPECT_EQ(rowsOf(programme::printMenuStatement(u"x' OR 'a'='a"_s)), 0);
    EXPECT_EQ(rowsOf(programme::printMenuStatement(QString())), 0);
    EXPECT_EQ(rowsOf(programme::printAllMenusStatement()), 2);
}

TEST_F(ProgrammeData, NewGroupNeedsBothTextsFreeOfForbiddenCharacters) {
    EXPECT_TRUE(programme::canAddGroup(u" Αστεράκια "_s, u"Ελένη"_s));
    EXPECT_FALSE(programme::canAddGroup(u"   "_s, u"Ελένη"_s));
    EXPECT_FALSE(programme::canAddGroup(u"Αστεράκια"_s, QString()));
    EXPECT_FALSE(programme::canAddGroup(u"Τ'αστεράκια"_s, u"Ελένη"_s));
    EXPECT_FALSE(programme::canAddGroup(u"Αστεράκια"_s, u"Ελένη;"_s));
    EXPECT_TRUE(programme::isAcceptableMenuName(QString()));
    EXPECT_FALSE(programme::isAcceptableMenuName(u"Μενού'"_s));
}

TEST_F(ProgrammeData, PrintOfTheSelectedProgrammeSelectsExactlyItsKey) {
    connection().execute(
        u"INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#5/20/2024#,#5/24/2024#,'πέντε')"_s);
    connection().execute(
        u"INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#5/20/2024#,#5/26/2024#,'επτά')"_s);
    connection().execute(
        u"INSERT INTO EBDOMADIAIO(APO,MEXRI,KEIMENO) VALUES(#5/27/2024#,#5/31/2024#,'άλλη')"_s);
    const auto week = programme::printSelectedStatement(programme::weeklyProgramme(),
                                                        {u"20/05/2024"_s, u"26/05/2024"_s});
    ASSERT_TRUE(week);
    db::Query selected(connection(), *week);
    selected.open();
    ASSERT_EQ(selected.rowCount(), 1);
    EXPECT_EQ(selected.text(u"KEIMENO"_s), u"επτά"_s);
    EXPECT_EQ(rowsOf(programme::weeklyProgramme().printAllStatement), 3);

    connection().execute(u"INSERT INTO HMERHSIO(HMEROMHNIA,KEIMENO) VALUES(#5/20/2024#,'α')"_s);
    connection().execute(u"INSERT INTO XRONIAIO(ETOS,KEIMENO) VALUES(2024,'β')"_s);
    EXPECT_EQ(
        rowsOf(*programme::printSelectedStatement(programme::dailyProgramme(), {u"20/05/2024"_s})),
        1);
    EXPECT_EQ(rowsOf(*programme::printSelectedStatement(programme::yearlyProgramme(), {u"2024"_s})),
              1);

    // No current programme, or a key that is none: nothing to print, no statement at all.
    for (const auto& [kind, keys] :
         QList<std::pair<const programme::TeachingProgramme*, QStringList>>{
             {&programme::weeklyProgramme(), {QString(), QString()}},
             {&programme::weeklyProgramme(), {u"20/05/2024"_s, u"32/05/2024"_s}},
             {&programme::dailyProgramme(), {QString()}},
             {&programme::yearlyProgramme(), {QString()}},
             {&programme::yearlyProgramme(), {u"2024 OR 1=1"_s}},
         }) {
        EXPECT_FALSE(programme::printSelectedStatement(*kind, keys))
            << keys.join(u',').toStdString();
    }
}
