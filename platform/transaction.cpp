#include "platform/transaction.h"

#include "platform/database.h"

Transaction::Transaction(Database& db) : m_db(db)
{
    if (db.m_txDepth == 0) {
        // Take the write lock at once, so two copies cannot both read and then fail to write.
        db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        m_savepoint = QStringLiteral("sp%1").arg(db.m_txDepth);
        db.exec(QStringLiteral("SAVEPOINT %1").arg(m_savepoint));
    }
    ++db.m_txDepth;
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    --m_db.m_txDepth;
    try {
        if (m_savepoint.isEmpty()) {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } else {
            m_db.exec(QStringLiteral("ROLLBACK TO %1").arg(m_savepoint));
            m_db.exec(QStringLiteral("RELEASE %1").arg(m_savepoint));
        }
    } catch (...) {
        // A destructor must not throw; the engine has already undone the failed statement.
    }
}

void Transaction::commit()
{
    if (m_done)
        return;
    if (m_savepoint.isEmpty())
        m_db.exec(QStringLiteral("COMMIT"));
    else
        m_db.exec(QStringLiteral("RELEASE %1").arg(m_savepoint));
    m_done = true;
    --m_db.m_txDepth;
}
