#include "platform/dberror.h"

DbError::DbError(const QString& message, int code)
    : std::runtime_error(message.toStdString()), m_message(message), m_code(code)
{}

DbBusyError::DbBusyError(int code)
    : DbError(QStringLiteral("数据库正被其他用户使用，本次操作没有写入任何内容。\n请稍后再试一次。"), code)
{}
