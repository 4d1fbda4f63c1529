#pragma once

#include <QString>
#include <QVariantList>

// A query with its bound values.
struct SqlQuery
{
    QString sql;
    QVariantList params;
};
