#include "sales/partynames.h"

#include "core/dblayer.h"

namespace {

std::optional<QString> nameOf(const QString& sql, qint32 id)
{
    Statement st(Conn, sql);
    st.bind({id});
    if (!st.step())
        return std::nullopt;
    return st.value(0).toString();
}

} // namespace

std::optional<QString> CompanyName(qint32 companyId)
{
    return nameOf(QStringLiteral("select companyname from company where companyid = ?"), companyId);
}

std::optional<QString> ClientName(qint32 clientId)
{
    return nameOf(QStringLiteral("select clientname from client where clientid = ?"), clientId);
}

std::optional<QString> UserName(qint32 userId)
{
    return nameOf(QStringLiteral("select username from userdata where userid = ?"), userId);
}
