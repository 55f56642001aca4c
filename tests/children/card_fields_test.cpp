#include <gtest/gtest.h>

#include <QSet>

#include "children/card_fields.h"
#include "children_fixture.h"
#include "db/table.h"

namespace {

using children::CardField;
using children::CardSection;
using children::FieldKind;

TEST(CardFieldsTest, FollowTheChildrenTableColumnByColumn) {
    childrentest::DeliveredProgram program;
    db::Table table(program.connection, QStringLiteral("CHILDREN"));
    table.open();

    const QList<CardField>& fields = children::cardFields();
    ASSERT_EQ(fields.size(), 93);
    // The card shows every column but the active flag, in the table's order.
    ASSERT_EQ(table.columnCount(), 94);
    EXPECT_EQ(table.columnName(93), QStringLiteral("ENERGO"));
    for (int i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields.at(i).number, i + 1);
        EXPECT_EQ(fields.at(i).column, table.columnName(i)) << "field " << i + 1;
    }
}

TEST(CardFieldsTest, KindsDecideTheControlsAndTheirValues) {
    int marked = 0;
    QSet<QString> columns;
    for (const CardField& field : children::cardFields()) {
        marked += field.marked ? 1 : 0;
        columns.insert(field.column);
        EXPECT_EQ(field.isDropDown(), !field.values.isEmpty()) << field.column.toStdString();
        if (field.kind == FieldKind::YesNo) {
            EXPECT_EQ(field.values, QStringList({QStringLiteral("ΝΑΙ"), QStringLiteral("ΟΧΙ")}));
        }
        EXPECT_FALSE(field.label.isEmpty());
    }
    EXPECT_EQ(marked, 28);
    EXPECT_EQ(columns.size(), 93);

    const QStringList arrivals = children::cardField(QStringLiteral("WRA_ERXETAI")).values;
    ASSERT_EQ(arrivals.size(), 20);
    EXPECT_EQ(arrivals.first(), QStringLiteral("07:00"));
    EXPECT_EQ(arrivals.at(1), QStringLiteral("07:30"));
    EXPECT_EQ(arrivals.last(), QStringLiteral("16:30"));
    const QStringList departures = children::cardField(QStringLiteral("WRA_FEYGEI")).values;
    ASSERT_EQ(departures.size(), 20);
    EXPECT_EQ(departures.first(), QStringLiteral("10:00"));
    EXPECT_EQ(departures.last(), QStringLiteral("19:30"));

    const CardField& birth = children::cardField(QStringLiteral("HMEROMHNIA_GENNHSEWS"));
    EXPECT_TRUE(birth.dateExample && birth.marked);
    EXPECT_EQ(children::cardField(QStringLiteral("ADELFES")).groupHeading,
              QStringLiteral("Αριθμός αδελφών"));
    EXPECT_EQ(children::cardField(QStringLiteral("ALLA_PROSF_PROBL_FYS_KAT")).label.count(u'\n'),
              1);
    EXPECT_EQ(children::cardField(QStringLiteral("LOGOI_ENHMERO_NHPIAGWGEIO")).label.count(u'\n'),
              2);
    EXPECT_EQ(children::noteText(children::cardField(QStringLiteral("EPAGGELMA_MHTERAS")).note),
              QStringLiteral("Να μην συμπληρωθεί αν είναι άνεργη"));
}

TEST(CardFieldsTest, SectionsSplitTheCardInOrder) {
    EXPECT_EQ(children::cardFields(CardSection::Personal).size(), 37);
    EXPECT_EQ(children::cardFields(CardSection::Health).size(), 52);
    EXPECT_EQ(children::cardFields(CardSection::Other).size(), 4);
    EXPECT_EQ(children::cardFields(CardSection::Health).first().column,
              QStringLiteral("EMBOLIO_ANEMEBLOGIAS"));
    EXPECT_EQ(children::cardFields(CardSection::Other).first().column, QStringLiteral("METAFORA"));
    EXPECT_THROW(children::cardField(QStringLiteral("ENERGO")), std::out_of_range);
}

}  // namespace
