#include "db/rowset.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <numeric>
#include <vector>

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
    if (rowCount_ == 0) {
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
    return valueAt(position_, column);
}

QVariant RowSet::valueAt(int row, int column) const {
    return valueOf(cellAt(row, column));
}

QString RowSet::text(int column) const {
    return displayText(value(column), kinds_.at(column));
}

QString RowSet::textAt(int row, int column) const {
    return displayText(valueAt(row, column), kinds_.at(column));
}

QVariant RowSet::valueOf(const Cell& cell) const {
    if (cell.type == ValueType::Other) {
        return others_[std::size_t(cell.integer)];
    }
    StoredValue value;
    value.type = cell.type;
    if (cell.type == ValueType::Decimal) {
        value.decimal = cell.decimal;
    } else if (cell.type == ValueType::Text) {
        value.text = textOf(cell);
    } else {
        value.integer = cell.integer;
    }
    return variantOf(value);
}

QByteArrayView RowSet::textOf(const Cell& cell) const {
    return QByteArrayView(texts_.data() + cell.integer, cell.size);
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

// Two texts compare by their bytes, without making strings; anything else as its value.
int RowSet::compareCells(const Cell& a, const Cell& b) const {
    if (a.type == ValueType::Text && b.type == ValueType::Text) {
        const QByteArrayView textA = textOf(a);
        const QByteArrayView textB = textOf(b);
        return compareGreekUtf8(textA.data(), int(textA.size()), textB.data(), int(textB.size()));
    }
    return compareValues(valueOf(a), valueOf(b));
}

void RowSet::sortRows(const QString& orderBy) {
    QVector<SortKey> keys;
    for (const QString& part : orderBy.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const int column = columnIndex(words.value(0));
        keys.append({column, words.value(1).compare(u"DESC", Qt::CaseInsensitive) == 0});
    }
    // Sorts the row numbers, then moves each row's values once into its place.
    std::vector<int> order(rowCount_);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this, &keys](int a, int b) {
        for (const SortKey& key : keys) {
            const int compared = compareCells(cellAt(a, key.column), cellAt(b, key.column));
            if (compared != 0) {
                return key.descending ? compared > 0 : compared < 0;
            }
        }
        return false;
    });
    std::vector<Cell> sorted;
    sorted.reserve(cells_.size());
    for (const int row : order) {
        const auto from = cells_.cbegin() + std::ptrdiff_t(row) * stride_;
        sorted.insert(sorted.end(), from, from + stride_);
    }
    cells_ = std::move(sorted);
    first();
}

bool RowSet::readRows(Statement& statement, int hiddenColumns, int limit) {
    // Read into a row set of its own first, so a statement that fails leaves the rows as they
    // were.
    RowSet read;
    const bool hasRow = statement.step();
    const int columns = statement.columnCount();
    for (int c = hiddenColumns; c < columns; ++c) {
        read.names_.append(statement.columnName(c));
        read.kinds_.append(statement.columnKind(c));
    }
    read.stride_ = columns;
    for (int c = 0; c < columns; ++c) {
        read.readOrder_.push_back(c < columns - hiddenColumns ? c + hiddenColumns
                                                              : c - (columns - hiddenColumns));
    }
    const bool more = hasRow && read.readMoreRows(statement, limit);
    *this = std::move(read);
    first();
    return more;
}

bool RowSet::readMoreRows(Statement& statement, int limit) {
    for (int read = 0; limit < 0 || read < limit; ++read) {
        appendRow(statement);
        if (!statement.step()) {
            return false;
        }
    }
    return true;
}

void RowSet::appendRow(const Statement& statement) {
    for (const int c : readOrder_) {
        StoredValue value = statement.stored(c);
        Cell& cell = cells_.emplace_back();
        cell.type = value.type;
        switch (value.type) {
            case ValueType::Decimal:
                cell.decimal = value.decimal;
                break;
            case ValueType::Text:
                cell.integer = qint64(texts_.size());
                cell.size = qint32(value.text.size());
                texts_.append(value.text.data(), std::size_t(value.text.size()));
                break;
            case ValueType::Other:
                cell.integer = qint64(others_.size());
                others_.push_back(std::move(value.other));
                break;
            default:
                cell.integer = value.integer;
        }
    }
    ++rowCount_;
}

void RowSet::clearRows() {
    names_.clear();
    kinds_.clear();
    cells_.clear();
    texts_.clear();
    others_.clear();
    stride_ = 0;
    readOrder_.clear();
    rowCount_ = 0;
    position_ = -1;
}

// A value set by a change is kept as given.
void RowSet::setValueAt(int row, int column, const QVariant& value) {
    Cell& cell = cellAt(row, column);
    cell.type = ValueType::Other;
    cell.integer = qint64(others_.size());
    others_.push_back(value);
}

void RowSet::appendEmptyRow() {
    cells_.resize(cells_.size() + stride_);
    ++rowCount_;
}

void RowSet::removeRow(int row) {
    const auto from = cells_.begin() + std::ptrdiff_t(row) * stride_;
    cells_.erase(from, from + stride_);
    --rowCount_;
}

QVector<QVariant> RowSet::rowValues(int row) const {
    QVector<QVariant> values;
    for (int c = 0; c < stride_; ++c) {
        values.append(valueAt(row, c));
    }
    return values;
}

void RowSet::setRowValues(int row, const QVector<QVariant>& values) {
    for (int c = 0; c < stride_; ++c) {
        setValueAt(row, c, values.at(c));
    }
}

}  // namespace db
