#include "controls/areacode.h"

#include <QStringList>

#include "core/dblayer.h"

namespace {

QList<AreaEntry> readAreas(const QString& sql, const QString& codeField, const QString& nameField,
                           const QVariantList& params = {})
{
    QList<AreaEntry> areas;
    Recordset rs;
    rs.Open(sql, Conn, params);
    while (!rs.Eof()) {
        areas.append({static_cast<qint32>(rs.Int(codeField)), rs.Text(nameField)});
        rs.MoveNext();
    }
    rs.Close();
    return areas;
}

// The municipalities: their cities are only "市辖区" and "县" and never named.
bool isMunicipality(qint32 provinceCode)
{
    return provinceCode == 11 || provinceCode == 12 || provinceCode == 31 || provinceCode == 50;
}

// Cities that only group the counties a province (or autonomous region) governs directly.
bool isDirectlyGoverned(const QString& city)
{
    static const QStringList names = {QStringLiteral("省直辖县级行政单位"),
                                      QStringLiteral("省直辖县级行政区划"),
                                      QStringLiteral("自治区直辖县级行政区划")};
    return names.contains(city);
}

} // namespace

QList<AreaEntry> AreaProvinces()
{
    return readAreas(QStringLiteral("select * from AreaProvince "), QStringLiteral("provinceid"),
                     QStringLiteral("provincename"));
}

QList<AreaEntry> AreaCities(qint32 provinceCode)
{
    // Integer division of an integer key is the whole part of the quotient.
    return readAreas(QStringLiteral("select * from areacity where cityid / 100 = ?"),
                     QStringLiteral("cityid"), QStringLiteral("cityname"), {provinceCode});
}

QList<AreaEntry> AreaCounties(qint32 cityCode)
{
    return readAreas(QStringLiteral("select * from areaCountry where Countryid / 100 = ?"),
                     QStringLiteral("Countryid"), QStringLiteral("Countryname"), {cityCode});
}

QString BuildAreaStr(int GetType, qint32 provinceCode, const QString& province, const QString& city,
                     const QString& county)
{
    QString countyPart = county;
    // A plain substring test, so an empty county and any part of the list drop out.
    if (QStringLiteral("市辖区|其他要去除的市名").contains(countyPart))
        countyPart.clear();

    QString cityPart = isMunicipality(provinceCode) ? QString() : city;
    if (isDirectlyGoverned(cityPart))
        cityPart.clear();

    switch (GetType) {
    case 0:
        return province + cityPart + countyPart;
    case 1:
        return province;
    case 2:
        return cityPart.isEmpty() ? countyPart : cityPart;
    case 3:
        return countyPart.isEmpty() ? cityPart : countyPart;
    default:
        return QString();
    }
}
