#pragma once

#include <stdexcept>

#include <QString>

// An error of the database engine or of the database layer; the message names the cause.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString& message, int code = 0);

    QString message() const { return m_message; }
    int code() const { return m_code; }

private:
    QString m_message;
    int m_code;
};

// The file stayed busy: another copy of the program kept writing it for longer than this one
// waits. The statement wrote nothing and its transaction is rolled back; the same work may be
// tried again. The message says so to the user.
class DbBusyError : public DbError
{
public:
    explicit DbBusyError(int code);
};
