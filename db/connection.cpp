#include "db/connection.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QHash>
#include <QMessageAuthenticationCode>
#include <QMutex>

#include "db/connection_string.h"
#include "db/dialect.h"
#include "db/engine_functions.h"
#include "db/error.h"
#include "db/statement.h"

namespace db {

namespace {

// How long a statement waits for another connection's lock before it fails as busy.
constexpr int kBusyTimeoutMs = 5000;

// The encryption key of a password: PBKDF2-HMAC-SHA256 with many rounds, so the password cannot
// be guessed quickly from a stolen file. Derived once per process and password, then handed to
// the engine as a raw key, so that opening a connection costs no key derivation: windows open
// connections often.
QByteArray deriveKey(const QString& password) {
    constexpr int kRounds = 64000;
    const QByteArray salt = QByteArrayLiteral("velorima/data.mdb/v1");
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password.toUtf8());
    mac.addData(salt + QByteArray::fromHex("00000001"));
    QByteArray u = mac.result();
    QByteArray key = u;
    for (int round = 1; round < kRounds; ++round) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype i = 0; i < key.size(); ++i) {
            key[i] = static_cast<char>(key[i] ^ u[i]);
        }
    }
    return key;
}

QByteArray rawKeyPragma(const QString& password) {
    static QMutex mutex;
    static QHash<QString, QByteArray> cache;
    QMutexLocker lock(&mutex);
    auto found = cache.find(password);
    if (found == cache.end()) {
        found = cache.insert(password, deriveKey(password));
    }
    return "PRAGMA key = \"x'" + found->toHex() + "'\";";
}

[[noreturn]] void fail(sqlite3* handle, int rc, const QString& path) {
    QString message =
        handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString::fromUtf8(sqlite3_errstr(rc));
    if (rc == SQLITE_NOTADB) {
        message += QStringLiteral(" (wrong database password, or not a database file)");
    }
    throw Error(message + QStringLiteral(": ") + path, rc);
}

sqlite3* openFile(const QString& path, const QString& password, int flags) {
    sqlite3* handle = nullptr;
    // A connection is used by one thread at a time: without the engine's own lock around every
    // call, reading a long result costs noticeably less.
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle,
                             flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        // Set before the schema read below, so that opening too waits while another connection
        // writes.
        rc = sqlite3_busy_timeout(handle, kBusyTimeoutMs);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(handle, rawKeyPragma(password).constData(), nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        // The key only shows to be wrong at the first read of the schema.
        rc = sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(handle) & 0xff;
        try {
            fail(handle, code == SQLITE_OK ? rc : code, path);
        } catch (...) {
            sqlite3_close_v2(handle);
            throw;
        }
    }
    sqlite3_extended_result_codes(handle, 1);
    try {
        registerEngineFunctions(handle);
    } catch (...) {
        sqlite3_close_v2(handle);
        throw;
    }
    return handle;
}

}  // namespace

Connection::Connection(const QString& connectionString) : connectionString_(connectionString) {}

Connection::~Connection() {
    close();
}

void Connection::setConnectionString(const QString& connectionString) {
    close();
    connectionString_ = connectionString;
}

void Connection::open() {
    if (handle_) {
        return;
    }
    const ConnectionSettings settings = parseConnectionString(connectionString_);
    if (settings.dataSource.isEmpty()) {
        throw Error(QStringLiteral("The connection string names no Data Source"));
    }
    if (!QFileInfo(settings.dataSource).isFile()) {
        throw Error(QStringLiteral("unable to open database file: ") + settings.dataSource,
                    SQLITE_CANTOPEN);
    }
    handle_ = openFile(settings.dataSource, settings.password, SQLITE_OPEN_READWRITE);
}

void Connection::close() noexcept {
    if (handle_) {
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
}

int Connection::execute(const QString& statement) {
    Statement prepared(*this, translate(statement));
    prepared.step();
    return prepared.changes();
}

void Connection::executeNative(const QString& script) {
    char* error = nullptr;
    const int rc = sqlite3_exec(handle(), script.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw Error(message, rc, script.left(200));
    }
}

qint64 Connection::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(handle());
}

sqlite3* Connection::handle() const {
    if (!handle_) {
        throw Error(QStringLiteral("The database connection is not open"));
    }
    return handle_;
}

void Connection::createFile(const QString& path, const QString& password) {
    if (QFileInfo::exists(path)) {
        throw Error(QStringLiteral("The file exists already and is left alone: ") + path);
    }
    sqlite3* handle = openFile(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // An empty encrypted file is written at the first change: give it its header now.
    const int rc = sqlite3_exec(handle,
                                "PRAGMA user_version = 0; CREATE TABLE vel_init(x); "
                                "DROP TABLE vel_init;",
                                nullptr, nullptr, nullptr);
    sqlite3_close_v2(handle);
    if (rc != SQLITE_OK) {
        throw Error(QString::fromUtf8(sqlite3_errstr(rc)) + QStringLiteral(": ") + path, rc);
    }
}

}  // namespace db
