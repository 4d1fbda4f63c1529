#pragma once

#include <QList>
#include <QString>

// Chinese administrative regions in three levels. A county's six-digit area code holds its
// city (code / 100) and its province (code / 10000).

struct AreaEntry
{
    qint32 code = 0;
    QString name;
};

inline qint32 ProvinceOfCode(qint32 code)
{
    return code / 10000;
}

inline qint32 CityOfCode(qint32 code)
{
    return code / 100;
}

// The rows of the three area tables on the shared connection, in the database's order.
QList<AreaEntry> AreaProvinces();
QList<AreaEntry> AreaCities(qint32 provinceCode);
QList<AreaEntry> AreaCounties(qint32 cityCode);

// The region's name from the selected parts (empty texts where nothing is selected;
// provinceCode 0 when no province is selected). GetType: 0 the whole name, 1 the province,
// 2 the city (the county when the city part is empty), 3 the county (the city when the county
// part is empty), anything else "".
QString BuildAreaStr(int GetType, qint32 provinceCode, const QString& province, const QString& city,
                     const QString& county);
