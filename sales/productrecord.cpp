#include "sales/productrecord.h"

#include <QDate>

#include "core/dblayer.h"
#include "core/pinyin.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/transaction.h"
#include "sales/salesnumbers.h"

namespace {

const QString KeyBox = QStringLiteral("ProductId");
const QString NameBox = QStringLiteral("ProductName");

QList<ProductBox> makeBoxes()
{
    QList<ProductBox> boxes;
    for (int i = 1; i <= 6; ++i) {
        boxes.append({QStringLiteral("DefData%1").arg(i), 4, QStringLiteral("自定义数据%1：").arg(i),
                      QStringLiteral("商品名称"), BoxKind::Text});
    }
    const auto add = [&boxes](const char* name, int frame, const char* label, const char* tip, BoxKind kind) {
        boxes.append(
            {QString::fromUtf8(name), frame, QString::fromUtf8(label), QString::fromUtf8(tip), kind});
    };
    add("PalletLenght", 3, "栈板长度：", "栈板长度", BoxKind::Whole);
    add("PalletWidth", 3, "栈板宽度：", "栈板宽度", BoxKind::Whole);
    add("PalletHeight", 3, "栈板高度：", "栈板高度", BoxKind::Whole);
    add("PalletLenghtNum", 3, "长度方向存放包装数量：", "长度方向存放包装数量", BoxKind::Whole);
    add("PalletWidthNum", 3, "宽度方向存放包装数量：", "宽度方向存放包装数量", BoxKind::Whole);
    add("PalletHeightNum", 3, "高度方向存放包装层数：", "高度方向存放包装数量", BoxKind::Whole);
    add("PalletAllHeight", 3, "栈板总高度：", "栈板总高度", BoxKind::Whole);
    add("PalletAllCube", 3, "栈板总体积：", "栈板总体积", BoxKind::Decimal);
    add("PalletGw", 3, "栈板总毛重：", "栈板总毛重", BoxKind::Decimal);
    add("PackLenght", 2, "包装长度：", "包装长度", BoxKind::Whole);
    add("PackWidth", 2, "包装宽度：", "包装宽度", BoxKind::Whole);
    add("PackHeight", 2, "包装高度：", "包装高度", BoxKind::Whole);
    add("PackNum", 2, "大包商品数量：", "大包商品数量", BoxKind::Whole);
    add("PackCube", 2, "包装体积：", "包装体积", BoxKind::Decimal);
    add("PackNw", 2, "包装净重：", "包装净重", BoxKind::Decimal);
    add("PackGw", 2, "包装毛重：", "包装毛重", BoxKind::Decimal);
    add("PackSmallNum", 2, "小包商品数量：", "小包商品数量", BoxKind::Whole);
    add("ProductId", 1, "商品编号：", "商品编号", BoxKind::Whole);
    add("ProductName", 1, "商品名称：", "商品名称", BoxKind::Text);
    add("ProductNameEn", 1, "英文名称：", "英文名称", BoxKind::Text);
    add("ProductSell", 1, "售价：", "售价", BoxKind::Decimal);
    add("ProductWeight", 1, "净重：", "净重", BoxKind::Decimal);
    add("ProductCost", 1, "成本：", "成本", BoxKind::Decimal);
    return boxes;
}

ErrorList checkProduct(const ProductForm& form)
{
    ErrorList errors;
    const qint32 key = WholeValue(form.texts.value(KeyBox));
    if (key == 0)
        errors.add(QStringLiteral("、[商品编号] 不能为0！"));
    if (form.GetProductId == 0 &&
        Conn.scalar(QStringLiteral("select 1 from product where productid = ?"), {key}).isValid())
        errors.add(QStringLiteral("、[商品编号] 已存在！"));
    if (form.texts.value(NameBox).isEmpty())
        errors.add(QStringLiteral("、[商品名称] 不能为空！"));
    for (const ProductBox& box : ProductBoxes()) {
        const QString text = form.texts.value(box.name);
        if (box.kind == BoxKind::Text || box.name == KeyBox || text.isEmpty())
            continue;
        if (IsPlainNumber(text, box.kind == BoxKind::Decimal))
            continue;
        // A decimal typed into a whole-number box is a number, but not a whole one.
        if (box.kind == BoxKind::Whole && IsPlainNumber(text, true))
            errors.add(QStringLiteral("、[%1] 必须为整数！").arg(box.tip));
        else
            errors.add(QStringLiteral("、[%1] 必须为数字！").arg(box.tip));
    }
    return errors;
}

} // namespace

const QList<ProductBox>& ProductBoxes()
{
    static const QList<ProductBox> boxes = makeBoxes();
    return boxes;
}

std::optional<ProductForm> LoadProductRow(qint32 id)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from product where productid = ?"), Conn, {id});
    if (rs.Eof())
        return std::nullopt;
    ProductForm form;
    form.GetProductId = id;
    for (const ProductBox& box : ProductBoxes()) {
        if (box.kind == BoxKind::Text) {
            form.texts.insert(box.name, rs.Text(box.name));
        } else {
            const double value = rs.Number(box.name);
            form.texts.insert(box.name, value == 0 ? QString() : AmountText(value));
        }
    }
    form.unit = qint32(rs.Int(QStringLiteral("GetProductUnit")));
    return form;
}

void NormalizeProductTexts(ProductForm& form)
{
    for (const ProductBox& box : ProductBoxes())
        form.texts[box.name] = TrimText(form.texts.value(box.name));
    form.texts[KeyBox] = QString::number(WholeValue(form.texts.value(KeyBox)));
}

ErrorList SaveProduct(const ProductForm& form)
{
    Transaction tx(Conn);
    ErrorList errors = checkProduct(form);
    if (!errors.isEmpty())
        return errors;

    const qint32 key = WholeValue(form.texts.value(KeyBox));
    Recordset rs;
    rs.Open(QStringLiteral("select * from product where productid = ?"), Conn, {form.GetProductId});
    qint32 operation = LogModify;
    qint32 productId = form.GetProductId;
    if (rs.Eof()) {
        operation = LogAdd;
        productId = key;
        rs.AddNew();
        rs.SetValue(QStringLiteral("productid"), productId);
        rs.SetValue(QStringLiteral("createDate"), QDate::currentDate());
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
    }
    for (const ProductBox& box : ProductBoxes()) {
        if (box.name == KeyBox)
            continue; // the number is written once, at insert
        const QString text = form.texts.value(box.name);
        if (box.kind == BoxKind::Text)
            rs.SetValue(box.name, text);
        else
            rs.SetValue(box.name, NumberValue(text));
    }
    rs.SetValue(QStringLiteral("GetProductUnit"), form.unit);
    rs.SetValue(QStringLiteral("ProductPinyin"), GetPinyinInitials(form.texts.value(NameBox)));
    rs.Update();
    rs.Close();
    WriteLog(operation, LogProduct, productId);
    tx.commit();
    return errors;
}
