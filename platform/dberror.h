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
