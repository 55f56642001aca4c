#include "db/rowset.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>

#include "db/error.h"
#include "db/greek_text.h"
#include "db/statement.h"

namespace db {

ColumnKind kindFromDeclaredType(const QString& declaredType) {
    const QString type = declaredType.toUpper();
    if (type.contains(u"BOOL") || type.contains(u"YESNO")) {
        return ColumnKind::YesNo;
    }
    if (type.contains(u"INT")) {
        return ColumnKind::Integer;
    }
    if (type.contains(u"DATETIME")) {
        return ColumnKind::DateTime;
    }
    if (type.contains(u"DATE")) {
        return ColumnKind::Date;
    }
    if (type.contains(u"LONGTEXT") || type.contains(u"MEMO")) {
        return ColumnKind::LongText;
    }
    if (type.contains(u"TEXT") || type.contains(u"CHAR")) {
        return ColumnKind::Text;
    }
    if (type.contains(u"DOUB") || type.contains(u"REAL") || type.contains(u"FLOA") ||
        type.contains(u"NUMERIC") || type.contains(u"DECIMAL") || type.contains(u"CURRENCY")) {
        return ColumnKind::Decimal;
    }
    return ColumnKind::Other;
}

QString displayText(const QVariant& value, ColumnKind kind) {
    if (value.isNull() || !value.isValid()) {
        return {};
    }
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
        case QMetaType::QDateTime: {
            const QDateTime stamp = value.toDateTime();
            return kind == ColumnKind::Date || stamp.time() == QTime(0, 0)
                       ? stamp.toString(QStringLiteral("dd/MM/yyyy"))
                       : stamp.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        }
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', 15);
        default:
            return value.toString();
    }
}

void RowSet::next() {
    if (position_ < rowCount() - 1) {
        ++position_;
    }
}

void RowSet::prior() {
    if (position_ > 0) {
        --position_;
    }
}

void RowSet::moveTo(int row) {
    if (rows_.isEmpty()) {
        position_ = -1;
        return;
    }
    position_ = std::clamp(row, 0, rowCount() - 1);
}

int RowSet::findColumn(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i) {
        if (names_.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int RowSet::columnIndex(const QString& name) const {
    const int column = findColumn(name);
    if (column < 0) {
        throw Error(QStringLiteral("Field '%1' not found").arg(name));
    }
    return column;
}

QVariant RowSet::value(int column) const {
    if (position_ < 0) {
        throw Error(QStringLiteral("Either BOF or EOF is True: there is no current record"));
    }
    return rows_.at(position_).at(column);
}

QString RowSet::text(int column) const {
    return displayText(value(column), kinds_.at(column));
}

QString RowSet::textAt(int row, int column) const {
    return displayText(rows_.at(row).at(column), kinds_.at(column));
}

namespace {

struct SortKey {
    int column;
    bool descending;
};

int compareValues(const QVariant& a, const QVariant& b) {
    const bool aNull = a.isNull() || !a.isValid();
    const bool bNull = b.isNull() || !b.isValid();
    if (aNull || bNull) {
        return aNull == bNull ? 0 : (aNull ? -1 : 1);  // nulls first, as the engine sorts
    }
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString) {
        return compareGreek(a.toString(), b.toString());
    }
    const QPartialOrdering order = QVariant::compare(a, b);
    if (order == QPartialOrdering::Less) {
        return -1;
    }
    return order == QPartialOrdering::Greater ? 1 : 0;
}

}  // namespace

void RowSet::sortRows(const QString& orderBy) {
    QVector<SortKey> keys;
    for (const QString& part : orderBy.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const int column = columnIndex(words.value(0));
        keys.append({column, words.value(1).compare(u"DESC", Qt::CaseInsensitive) == 0});
    }
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&keys](const QVector<QVariant>& a, const QVector<QVariant>& b) {
                         for (const SortKey& key : keys) {
                             const int order = compareValues(a.at(key.column), b.at(key.column));
                             if (order != 0) {
                                 return key.descending ? order > 0 : order < 0;
                             }
                         }
                         return false;
                     });
    first();
}

void RowSet::readRows(Statement& statement, int hiddenColumns) {
    // Read everything first, so a statement that fails leaves the rows as they were.
    QStringList names;
    QVector<ColumnKind> kinds;
    QVector<QVector<QVariant>> rows;
    bool hasRow = statement.step();
    const int columns = statement.columnCount();
    for (int c = hiddenColumns; c < columns; ++c) {
        names.append(statement.columnName(c));
        kinds.append(statement.columnKind(c));
    }
    const int shown = columns - hiddenColumns;
    for (; hasRow; hasRow = statement.step()) {
        QVector<QVariant> row(columns);
        for (int c = 0; c < columns; ++c) {
            row[c < hiddenColumns ? shown + c : c - hiddenColumns] = statement.value(c);
        }
        rows.append(std::move(row));
    }
    names_ = std::move(names);
    kinds_ = std::move(kinds);
    rows_ = std::move(rows);
    first();
}

void RowSet::clearRows() {
    names_.clear();
    kinds_.clear();
    rows_.clear();
    position_ = -1;
}

}  // namespace db
