#include "affairs/clientname.h"

#include "core/dblayer.h"

std::optional<QString> ClientNameOf(qint32 clientId)
{
    Statement st(Conn, QStringLiteral("select clientname from client where clientid = ?"));
    st.bind({clientId});
    if (!st.step())
        return std::nullopt;
    return st.value(0).toString();
}
