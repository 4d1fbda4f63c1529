#include "sales/productmulrecord.h"

#include <QDate>

#include "core/dblayer.h"
#include "core/pinyin.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/transaction.h"
#include "sales/salesnumbers.h"

namespace {

ErrorList checkBundle(const BundleForm& form, qint32 number)
{
    ErrorList errors;
    if (number == 0)
        errors.add(QStringLiteral("、[组合商品编号] 不能为0！"));
    if (form.GetProductMulId == 0 &&
        Conn.scalar(QStringLiteral("select 1 from productmul where productmulid = ?"), {number}).isValid())
        errors.add(QStringLiteral("、[组合商品编号] 已存在！"));
    if (form.name.isEmpty())
        errors.add(QStringLiteral("、[组合商品名称] 不能为空！"));
    return errors;
}

void storeMember(const BundleMember& member, qint32 bundleId)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from ProductSinMul where ProductSinMulid = ?"), Conn, {member.key});
    const auto fill = [&] {
        rs.SetValue(QStringLiteral("GetProductSin"), member.productId);
        rs.SetValue(QStringLiteral("GetProductSinCount"), member.count);
    };
    if (!rs.Eof()) {
        fill();
        rs.Update();
        return;
    }
    AddNewWithRandomId(rs, QStringLiteral("ProductSinMulid"), [&] {
        rs.SetValue(QStringLiteral("createDate"), QDate::currentDate());
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
        rs.SetValue(QStringLiteral("GetProductMul"), bundleId);
        fill();
    });
}

} // namespace

std::optional<BundleForm> LoadBundleRow(qint32 id)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from productmul where productmulid = ?"), Conn, {id});
    if (rs.Eof())
        return std::nullopt;
    BundleForm form;
    form.GetProductMulId = id;
    form.number = QString::number(id);
    form.name = rs.Text(QStringLiteral("ProductMulName"));
    form.nameEn = rs.Text(QStringLiteral("ProductMulNameEn"));
    return form;
}

QList<BundleMember> LoadBundleMembers(qint32 id)
{
    Recordset rs;
    rs.Open(QStringLiteral("select productid, productname, GetProductSinCount, ProductSinMulid "
                           "from productmul, ProductSinMul, product where GetProductSin = productid "
                           "and productmulid = GetProductMul and GetProductMul = ? order by productid"),
            Conn, {id});
    QList<BundleMember> members;
    for (; !rs.Eof(); rs.MoveNext()) {
        members.append({qint32(rs.Int(QStringLiteral("productid"))), rs.Text(QStringLiteral("productname")),
                        qint32(rs.Int(QStringLiteral("GetProductSinCount"))),
                        qint32(rs.Int(QStringLiteral("ProductSinMulid"))), false});
    }
    return members;
}

ErrorList SaveBundle(const BundleForm& form)
{
    const qint32 number = WholeValue(form.number);
    Transaction tx(Conn);
    ErrorList errors = checkBundle(form, number);
    if (!errors.isEmpty())
        return errors;

    Recordset rs;
    rs.Open(QStringLiteral("select * from productmul where productmulid = ?"), Conn, {form.GetProductMulId});
    qint32 bundleId = form.GetProductMulId;
    qint32 operation = LogModify;
    if (rs.Eof()) {
        operation = LogAdd;
        bundleId = number;
        rs.AddNew();
        rs.SetValue(QStringLiteral("productmulid"), bundleId);
        rs.SetValue(QStringLiteral("createDate"), QDate::currentDate());
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
    }
    WriteLog(operation, LogBundle, bundleId);
    rs.SetValue(QStringLiteral("ProductMulName"), form.name);
    rs.SetValue(QStringLiteral("ProductMulPinyin"), GetPinyinInitials(form.name));
    rs.SetValue(QStringLiteral("ProductMulNameEn"), form.nameEn);
    rs.Update();
    rs.Close();
    for (const BundleMember& member : form.members) {
        if (member.changed || member.key == 0)
            storeMember(member, bundleId);
    }
    tx.commit();
    return errors;
}

void DeleteBundleMember(qint32 key)
{
    Conn.exec(QStringLiteral("delete from ProductSinMul where ProductSinMulid = ?"), {key});
}
