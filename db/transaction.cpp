#include "db/transaction.h"

#include "db/connection.h"

namespace db {

Transaction::Transaction(Connection& connection) : connection_(&connection) {
    connection_->executeNative(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            connection_->executeNative(QStringLiteral("ROLLBACK"));
        } catch (...) {
            // Nothing more can be done from a destructor; the engine rolls back on close.
        }
    }
}

void Transaction::commit() {
    connection_->executeNative(QStringLiteral("COMMIT"));
    done_ = true;
}

}  // namespace db
