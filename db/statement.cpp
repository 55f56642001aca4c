#include "db/statement.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>

#include "db/connection.h"
#include "db/error.h"

namespace db {

namespace {

bool onlyBlanksOrComments(const char* tail) {
    // A trailing ";" and blanks are fine; any further statement is not.
    for (; *tail; ++tail) {
        if (*tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n' && *tail != ';') {
            return false;
        }
    }
    return true;
}

ColumnKind kindFromStorage(int type) {
    switch (type) {
        case SQLITE_INTEGER:
            return ColumnKind::Integer;
        case SQLITE_FLOAT:
            return ColumnKind::Decimal;
        case SQLITE_TEXT:
            return ColumnKind::Text;
        default:
            return ColumnKind::Other;
    }
}

QString storedText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

// The date of a text that starts "yyyy-mm-dd", as dates are stored, read straight from its
// bytes; an invalid date for anything else.
QDate storedIsoDate(sqlite3_stmt* stmt, int column) {
    const auto* text = sqlite3_column_text(stmt, column);
    if (sqlite3_column_bytes(stmt, column) < 10) {
        return {};
    }
    const auto digits = [text](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return -1;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const int year = digits(0, 4);
    const int month = digits(5, 2);
    const int day = digits(8, 2);
    if (year < 0 || month < 0 || day < 0 || text[4] != '-' || text[7] != '-') {
        return {};
    }
    return QDate(year, month, day);
}

}  // namespace

Statement::Statement(Connection& connection, const QString& engineSql)
    : connection_(&connection), sql_(engineSql) {
    const QByteArray utf8 = engineSql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(connection.handle(), utf8.constData(),
                                      static_cast<int>(utf8.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) {
        throwError(engineSql);
    }
    if (!stmt_) {
        throw Error(QStringLiteral("empty statement"), SQLITE_MISUSE, engineSql);
    }
    if (tail && !onlyBlanksOrComments(tail)) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw Error(QStringLiteral("Characters found after end of SQL statement."), SQLITE_MISUSE,
                    engineSql);
    }
    const int columns = sqlite3_column_count(stmt_);
    declaredKinds_.reserve(columns);
    for (int column = 0; column < columns; ++column) {
        const char* declared = sqlite3_column_decltype(stmt_, column);
        declaredKinds_.push_back(
            declared ? std::optional(kindFromDeclaredType(QString::fromUtf8(declared)))
                     : std::nullopt);
    }
}

Statement::~Statement() {
    if (stmt_) {
        sqlite3_finalize(stmt_);
    }
}

Statement::Statement(Statement&& other) noexcept
    : stmt_(other.stmt_),
      connection_(other.connection_),
      sql_(std::move(other.sql_)),
      declaredKinds_(std::move(other.declaredKinds_)) {
    other.stmt_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        if (stmt_) {
            sqlite3_finalize(stmt_);
        }
        stmt_ = other.stmt_;
        connection_ = other.connection_;
        sql_ = std::move(other.sql_);
        declaredKinds_ = std::move(other.declaredKinds_);
        other.stmt_ = nullptr;
    }
    return *this;
}

void Statement::throwError(const QString& sql) const {
    sqlite3* handle = connection_->handle();
    throw Error(QString::fromUtf8(sqlite3_errmsg(handle)), sqlite3_extended_errcode(handle), sql);
}

void Statement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (value.isNull() || !value.isValid()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (value.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(stmt_, index, value.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(stmt_, index, value.toDouble());
                break;
            default: {
                QString text;
                if (value.typeId() == QMetaType::QDate) {
                    text = value.toDate().toString(Qt::ISODate);
                } else if (value.typeId() == QMetaType::QDateTime) {
                    text = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                } else {
                    text = value.toString();
                }
                const QByteArray utf8 = text.toUtf8();
                rc = sqlite3_bind_text(stmt_, index, utf8.constData(),
                                       static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
            }
        }
    }
    if (rc != SQLITE_OK) {
        throwError(sql_);
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(stmt_);
    throwError(sql_);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::changes() const {
    return sqlite3_changes(connection_->handle());
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

ColumnKind Statement::columnKind(int column) const {
    return kindOf(column, sqlite3_column_type(stmt_, column));
}

ColumnKind Statement::kindOf(int column, int storage) const {
    const std::optional<ColumnKind>& declared = declaredKinds_.at(column);
    return declared ? *declared : kindFromStorage(storage);
}

QVariant Statement::value(int column) const {
    return variantOf(stored(column));
}

QVariant variantOf(const StoredValue& value) {
    switch (value.type) {
        case ValueType::Null:
            return {};
        case ValueType::Integer:
            return static_cast<qlonglong>(value.integer);
        case ValueType::Decimal:
            return value.decimal;
        case ValueType::YesNo:
            return value.integer != 0;
        case ValueType::Date:
            return QDate::fromJulianDay(value.integer);
        case ValueType::Text:
            return QString::fromUtf8(value.text);
        case ValueType::Other:
            break;
    }
    return value.other;
}

StoredValue Statement::stored(int column) const {
    StoredValue value;
    const int storage = sqlite3_column_type(stmt_, column);
    if (storage == SQLITE_NULL) {
        return value;
    }
    switch (kindOf(column, storage)) {
        case ColumnKind::YesNo:
            if (storage == SQLITE_INTEGER) {
                value.type = ValueType::YesNo;
                value.integer = sqlite3_column_int64(stmt_, column) != 0;
                return value;
            }
            break;
        case ColumnKind::Date:
            if (storage == SQLITE_TEXT) {
                if (const QDate date = storedIsoDate(stmt_, column); date.isValid()) {
                    value.type = ValueType::Date;
                    value.integer = date.toJulianDay();
                    return value;
                }
                const QString text = storedText(stmt_, column);
                const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
                value.type = ValueType::Other;
                value.other = date.isValid() ? QVariant(date) : QVariant(text);
                return value;
            }
            break;
        case ColumnKind::DateTime:
            if (storage == SQLITE_TEXT) {
                const QString text = storedText(stmt_, column);
                QDateTime stamp =
                    QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                if (!stamp.isValid()) {
                    stamp = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
                }
                value.type = ValueType::Other;
                value.other = stamp.isValid() ? QVariant(stamp) : QVariant(text);
                return value;
            }
            break;
        default:
            break;
    }
    switch (storage) {
        case SQLITE_INTEGER:
            value.type = ValueType::Integer;
            value.integer = sqlite3_column_int64(stmt_, column);
            break;
        case SQLITE_FLOAT:
            value.type = ValueType::Decimal;
            value.decimal = sqlite3_column_double(stmt_, column);
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
            value.type = ValueType::Text;
            value.text = QByteArrayView(text, sqlite3_column_bytes(stmt_, column));
        }
    }
    return value;
}

}  // namespace db
