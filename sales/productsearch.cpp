#include "sales/productsearch.h"

#include "platform/ansicodepage.h"

SqlQuery ProductListQuery(bool bundles, const QString& number, const QString& name)
{
    const QString table = bundles ? QStringLiteral("productmul") : QStringLiteral("product");
    const QString key = bundles ? QStringLiteral("productmulid") : QStringLiteral("productid");
    const QString columns =
        bundles ? QStringLiteral("productmulid, ProductMulName, ProductMulNameEn")
                : QStringLiteral("productid, productname, ProductNameEn, ProductCost, ProductSell");
    const QString base = QStringLiteral("select %1 from %2 where ").arg(columns, table);
    const QString contains = QStringLiteral("instr(lower(%1), lower(?)) > 0");
    if (!name.isEmpty()) {
        // Latin letters and digits search the initials and the English name, Chinese the name.
        if (StartsWithSingleByte(name)) {
            const QString pinyin =
                bundles ? QStringLiteral("ProductMulPinyin") : QStringLiteral("ProductPinyin");
            const QString english =
                bundles ? QStringLiteral("ProductMulNameEn") : QStringLiteral("ProductNameEn");
            return {base + contains.arg(pinyin) + QStringLiteral(" or ") + contains.arg(english),
                    {name, name}};
        }
        const QString col = bundles ? QStringLiteral("ProductMulName") : QStringLiteral("productname");
        return {base + contains.arg(col), {name}};
    }
    if (!number.isEmpty())
        return {base + contains.arg(key), {number}};
    return {QStringLiteral("select %1 from %2 order by %3").arg(columns, table, key), {}};
}
