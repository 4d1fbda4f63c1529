#include <gtest/gtest.h>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "sales/productmulrecord.h"
#include "tests/sales/salesfixture.h"
#include "tests/support/failedsave.h"

namespace {

using ProductMulRecordTest = SalesTest;

TEST_F(ProductMulRecordTest, SaveChecksTheNumberAndNameThenStoresNewAndChangedMembersOnly)
{
    addProduct(11, "螺丝", 1, 0.5);
    addProduct(12, "螺母", 2, 1);
    addBundle(500, "旧组合", {});

    BundleForm bad;
    bad.number = "0";
    EXPECT_EQ(SaveBundle(bad).lines(),
              (QStringList{"1、[组合商品编号] 不能为0！", "2、[组合商品名称] 不能为空！"}));
    bad.number = "500";
    EXPECT_EQ(SaveBundle(bad).lines(),
              (QStringList{"1、[组合商品编号] 已存在！", "2、[组合商品名称] 不能为空！"}));
    EXPECT_EQ(count("select count(*) from productmul"), 1);
    EXPECT_EQ(count("select count(*) from logdata"), 0);

    BundleForm bundle;
    bundle.number = "600";
    bundle.name = "五金套装";
    bundle.members = {{12, "螺母", 4, 0, true}, {11, "螺丝", 2, 0, true}};
    EXPECT_TRUE(SaveBundle(bundle).isEmpty());
    EXPECT_EQ(rows("select productmulid, ProductMulName, ProductMulNameEn, ProductMulPinyin, createuser "
                   "from productmul where productmulid = 600"),
              QStringList{"600|五金套装||wjtz|1"});
    EXPECT_EQ(rows("select GetLogOperate, GetLogClass, GetEditID from logdata"), QStringList{"1|6|600"});

    // Loaded in product order, each with its random key.
    QList<BundleMember> members = LoadBundleMembers(600);
    ASSERT_EQ(members.size(), 2);
    EXPECT_EQ(members[0].productId, 11);
    EXPECT_EQ(members[0].count, 2);
    EXPECT_EQ(members[1].name, "螺母");
    EXPECT_GE(members[0].key, 1);
    EXPECT_NE(members[0].key, members[1].key);

    // Another user changes member 12 meanwhile; a save that did not touch it leaves it alone.
    Conn.exec("update ProductSinMul set GetProductSinCount = 9 where GetProductSin = 12");
    std::optional<BundleForm> loaded = LoadBundleRow(600);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->name, "五金套装");
    loaded->members = members;
    loaded->members[0].count = 5;
    loaded->members[0].changed = true;
    EXPECT_TRUE(SaveBundle(*loaded).isEmpty());
    EXPECT_EQ(rows("select GetProductSin, GetProductSinCount from ProductSinMul where GetProductMul = 600 "
                   "order by GetProductSin"),
              (QStringList{"11|5", "12|9"}));
    EXPECT_EQ(count("select count(*) from logdata where GetLogOperate = 2 and GetEditID = 600"), 1);

    DeleteBundleMember(members[1].key);
    EXPECT_EQ(LoadBundleMembers(600).size(), 1);
    EXPECT_FALSE(LoadBundleRow(601));
}

TEST_F(ProductMulRecordTest, ASaveWhoseLastMemberFailsLeavesTheBundlesAsTheyWere)
{
    addProduct(11, "螺丝", 1, 0.5);
    addProduct(12, "螺母", 2, 1);
    addProduct(13, "垫片", 0.2, 0.1);
    BundleForm bundle;
    bundle.number = "600";
    bundle.name = "五金套装";
    bundle.members = {{11, "螺丝", 2, 0, true}, {12, "螺母", 4, 0, true}};
    ASSERT_TRUE(SaveBundle(bundle).isEmpty());

    // An edit renames the bundle, changes a member's quantity and adds a member last.
    std::optional<BundleForm> edited = LoadBundleRow(600);
    ASSERT_TRUE(edited);
    edited->name = "五金大套装";
    edited->members = LoadBundleMembers(600);
    ASSERT_EQ(edited->members.size(), 2);
    edited->members[0].count = 5;
    edited->members[0].changed = true;
    edited->members.append({13, "垫片", 8, 0, true});
    BundleForm another = bundle;
    another.number = "700";
    another.members.append({13, "垫片", 8, 0, true});
    ExpectEachSaveLeavesNoTrace({
        {"new bundle", "ProductSinMul", "insert", "new.GetProductSin = 13", [&] { SaveBundle(another); }},
        {"bundle edited", "ProductSinMul", "insert", "new.GetProductSin = 13", [&] { SaveBundle(*edited); }},
    });
}

TEST_F(ProductMulRecordTest, ANumberSavedByAnotherUserMeanwhileIsReportedAndNoMemberIsWritten)
{
    addProduct(11, "螺丝", 1, 0.5);
    BundleForm bundle;
    bundle.number = "700";
    bundle.name = "我的组合";
    bundle.members = {{11, "螺丝", 1, 0, true}};
    ErrorList errors;
    QString failure;
    saveWhileAnotherUserWrites(
        "insert into productmul (productmulid, ProductMulName) values (700, '别人的组合')", [&] {
            try {
                errors = SaveBundle(bundle);
            } catch (const DbError& e) {
                failure = e.message();
            }
        });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(errors.lines(), QStringList{"1、[组合商品编号] 已存在！"});
    EXPECT_EQ(rows("select ProductMulName from productmul"), QStringList{"别人的组合"});
    EXPECT_EQ(count("select count(*) from ProductSinMul"), 0);
    EXPECT_EQ(count("select count(*) from logdata"), 0);
}

} // namespace
