#include "platform/dberror.h"

DbError::DbError(const QString& message, int code)
    : std::runtime_error(message.toStdString()), m_message(message), m_code(code)
{
}
