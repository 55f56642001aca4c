#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace children {

// The kind of a card field decides its control: one-line edit for whole numbers, dates, ages
// and texts; multi-line edit for long texts; a drop-down list of fixed values for YES/NO flags
// and texts from a list.
enum class FieldKind { WholeNumber, Date, Age, Text, LongText, YesNo, List };

enum class CardSection { Personal, Health, Other };

// The red note right of a field that may stay empty.
enum class FieldNote {
    None,
    LeaveEmptyIfNone,
    LeaveEmptyIfUnemployed,
    LeaveEmptyIfUnemployedFemale,
    LeaveEmptyIfSleepsAlone
};

// One field of the child's card: a column of CHILDREN with its label and red marks.
struct CardField {
    int number = 0;  // position on the card, 1 = the registry number
    QString column;
    QString label;  // lines separated by '\n'
    FieldKind kind = FieldKind::Text;
    QStringList values;        // the list's values, for YesNo and List
    bool marked = false;       // red asterisk: the staff are expected to fill it in
    bool dateExample = false;  // red example "(π.χ 28/12/2007)"
    FieldNote note = FieldNote::None;
    QString groupHeading;  // a heading the field stands under ("Αριθμός αδελφών")
    CardSection section = CardSection::Personal;

    bool isDropDown() const { return kind == FieldKind::YesNo || kind == FieldKind::List; }
};

// Every field of the card, in the card's order (fields 1 to 93).
const QList<CardField>& cardFields();

// The fields of one section, in order.
QList<CardField> cardFields(CardSection section);

// The field of a column; throws std::out_of_range for a column that is not on the card.
const CardField& cardField(const QString& column);

QString sectionHeading(CardSection section);
QString noteText(FieldNote note);
QString dateExampleText();

// The registry number column, the card's first field; the details window leaves it out.
inline QString registryNumberColumn() {
    return QStringLiteral("ARITHMOS_MHTRWOY");
}

}  // namespace children
