#pragma once

#include <QString>

class Database;

// A multi-row save: everything between construction and commit() is written together,
// or, when the scope is left without commit() (an error was thrown), nothing is.
// Nested transactions become save points of the outer one.
class Transaction
{
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    QString m_savepoint;
    bool m_done = false;
};
