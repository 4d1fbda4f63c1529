#include <gtest/gtest.h>

#include <QDate>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "sales/productrecord.h"
#include "tests/sales/salesfixture.h"
#include "tests/support/failedsave.h"

namespace {

class ProductRecordTest : public SalesTest
{
protected:
    ProductForm form(const QHash<QString, QString>& texts, qint32 id = 0)
    {
        ProductForm f;
        f.GetProductId = id;
        for (const ProductBox& box : ProductBoxes())
            f.texts.insert(box.name, texts.value(box.name));
        f.unit = 3;
        NormalizeProductTexts(f);
        return f;
    }
};

TEST_F(ProductRecordTest, SaveChecksEveryBoxInOneListThenStoresEveryColumnWithItsLogRow)
{
    ProductForm bad = form({{"ProductId", " \r\n"},
                            {"ProductName", "  \r\n"},
                            {"PalletGw", "1.2.3"},
                            {"PackNum", " 2.5\n"},
                            {"PackCube", "abc"},
                            {"PackSmallNum", "-3"},
                            {"ProductSell", "12.5"},
                            {"ProductCost", "1e3"}});
    EXPECT_EQ(bad.texts["ProductId"], "0");
    EXPECT_EQ(bad.texts["PackNum"], "2.5");
    EXPECT_EQ(bad.texts["ProductName"], "");
    const ErrorList errors = SaveProduct(bad);
    EXPECT_EQ(errors.lines(), (QStringList{"1、[商品编号] 不能为0！", "2、[商品名称] 不能为空！",
                                           "3、[栈板总毛重] 必须为数字！", "4、[大包商品数量] 必须为整数！",
                                           "5、[包装体积] 必须为数字！", "6、[小包商品数量] 必须为数字！",
                                           "7、[成本] 必须为数字！"}));
    EXPECT_EQ(errors.message(),
              "部分数据发生错误：\r\n\r\n1、[商品编号] 不能为0！\r\n2、[商品名称] 不能为空！\r\n"
              "3、[栈板总毛重] 必须为数字！\r\n4、[大包商品数量] 必须为整数！\r\n"
              "5、[包装体积] 必须为数字！\r\n6、[小包商品数量] 必须为数字！\r\n"
              "7、[成本] 必须为数字！\r\n\r\n请修改后再进行保存。");
    EXPECT_EQ(count("select count(*) from product"), 0);
    EXPECT_EQ(count("select count(*) from logdata"), 0);

    // A key that is no plain digit string counts as 0; leading zeros go.
    EXPECT_EQ(form({{"ProductId", "12a"}}).texts["ProductId"], "0");
    ProductForm good = form({{"ProductId", "0100"},
                             {"ProductName", " 红苹果 \r\n"},
                             {"ProductNameEn", "Red Apple"},
                             {"DefData1", "it's free"},
                             {"PackCube", "2.5"},
                             {"PackNum", ""},
                             {"PalletLenght", "1200"},
                             {"ProductSell", "12.5"},
                             {"ProductCost", ".5"}});
    EXPECT_EQ(good.texts["ProductId"], "100");
    EXPECT_TRUE(SaveProduct(good).isEmpty());
    EXPECT_EQ(
        rows("select productid, productname, ProductNameEn, ProductPinyin, DefData1, DefData2, PackCube, "
             "PackNum, PalletLenght, ProductSell, ProductCost, GetProductUnit, createuser, createDate "
             "from product"),
        QStringList{QStringLiteral("100|红苹果|Red Apple|hpg|it's free||2.5|0|1200|12.5|0.5|3|1|") +
                    QDate::currentDate().toString(Qt::ISODate)});
    EXPECT_EQ(rows("select GetLogOperate, GetLogClass, GetEditID from logdata"), QStringList{"1|5|100"});

    // Shown again: zeros as empty boxes, the stored unit; changed in place without the number check.
    std::optional<ProductForm> loaded = LoadProductRow(100);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->texts["PackNum"], "");
    EXPECT_EQ(loaded->texts["ProductCost"], "0.5");
    EXPECT_EQ(loaded->texts["PackCube"], "2.5");
    EXPECT_EQ(loaded->texts["ProductId"], "100");
    EXPECT_EQ(loaded->unit, 3);
    loaded->texts["ProductSell"] = "13";
    NormalizeProductTexts(*loaded);
    EXPECT_TRUE(SaveProduct(*loaded).isEmpty());
    EXPECT_EQ(count("select ProductSell from product where productid = 100"), 13);
    EXPECT_EQ(rows("select GetLogOperate, GetEditID from logdata order by GetLogOperate"),
              (QStringList{"1|100", "2|100"}));
    EXPECT_FALSE(LoadProductRow(101));

    // The same number typed for a new product.
    EXPECT_EQ(SaveProduct(form({{"ProductId", "100"}, {"ProductName", "另一个"}})).lines(),
              QStringList{"1、[商品编号] 已存在！"});
    EXPECT_EQ(count("select count(*) from product"), 1);
}

TEST_F(ProductRecordTest, ASaveWhoseLogRowFailsLeavesTheProductsAsTheyWere)
{
    ASSERT_TRUE(SaveProduct(form({{"ProductId", "100"}, {"ProductName", "红苹果"}, {"ProductSell", "12"}}))
                    .isEmpty());
    std::optional<ProductForm> edited = LoadProductRow(100);
    ASSERT_TRUE(edited);
    edited->texts["ProductName"] = "青苹果";
    edited->texts["ProductSell"] = "15";
    NormalizeProductTexts(*edited);
    ExpectEachSaveLeavesNoTrace({
        {"new product", "logdata", "insert", "",
         [&] {
             SaveProduct(form({{"ProductId", "101"}, {"ProductName", "梨"}}));
         }},
        {"product edited", "logdata", "insert", "", [&] { SaveProduct(*edited); }},
    });
}

TEST_F(ProductRecordTest, ANumberSavedByAnotherUserMeanwhileIsReportedAndNothingIsWritten)
{
    ErrorList errors;
    QString failure;
    saveWhileAnotherUserWrites(
        "insert into product (productid, productname) values (200, '别人的商品')", [&] {
            try {
                errors = SaveProduct(form({{"ProductId", "200"}, {"ProductName", "我的商品"}}));
            } catch (const DbError& e) {
                failure = e.message();
            }
        });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(errors.lines(), QStringList{"1、[商品编号] 已存在！"});
    EXPECT_EQ(rows("select productid, productname from product"), QStringList{"200|别人的商品"});
    EXPECT_EQ(count("select count(*) from logdata"), 0);
}

} // namespace
