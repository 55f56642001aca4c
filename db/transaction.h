#pragma once

namespace db {

class Connection;

// Statements between construction and commit() stand or fall together: the destructor rolls
// back unless commit() was called. The write lock is taken at construction, so what the
// transaction reads stays true until it ends: no other connection writes in between.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection* connection_;
    bool done_ = false;
};

}  // namespace db
