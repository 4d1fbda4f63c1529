#include <gtest/gtest.h>

#include "clients/clienttotext.h"
#include "tests/clients/clientlistdata.h"
#include "tests/support/fixtures.h"

namespace {

class ClientToTextTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LoadShippedClassifications();
        CurUserID = 1;
        // Four classification values (one of them unknown, one zero), four own contact entries
        // and one company entry under the same number; an identity number of 17 characters,
        // an address of 10, a five-digit zip code and a remark of 11.
        Conn.exec(QStringLiteral(
            "insert into client (clientid, clientname, createuser, sex, personcard, Birthday, Age, salary, "
            "address, zipcode, remark, getClientType, getClientSource, getClientLevel, getClientTrade, "
            "getClientStatus, getClientCredit) values (101, '张三', 1, -1, '35020319800517123', "
            "'1980-05-17', "
            "44, 5000, '厦门市思明区某路一号', '36100', '这是一个十一个字的备注。', 2, 1, 0, 3, 99, 1)"));
        AddContact(1, 101, 6, QStringLiteral("http://x.cn"));
        AddContact(2, 101, 1, QStringLiteral("13900000000"));
        AddContact(3, 101, 5, QStringLiteral("a@b.cn"));
        AddContact(4, 101, 4, QStringLiteral("12345"));
        AddContact(5, 101, 2, QStringLiteral("公司电话"), true);
        // Identity number of 18, no dates or numbers, an address of 11, a zip code of 6, a remark
        // of exactly 10, nothing else.
        Conn.exec(QStringLiteral(
            "insert into client (clientid, clientname, createuser, sex, personcard, address, zipcode, "
            "remark) "
            "values (102, '李四', 1, 0, '350203198005171234', '厦门市思明区某路一二号', '361000', "
            "'十个字的备注正好十个')"));
        Conn.exec(QStringLiteral("insert into client (clientid, clientname, createuser, sex, personcard) "
                                 "values (103, '王五', 2, -1, '350203800517123')"));
    }
};

const QString CardA =
    QStringLiteral("客户姓名：张三\t性别：男\t出生日期：1980-05-17\t年龄：44\t薪水：5000\r\n"
                   "\r\n\r\n"
                   "客户类型：企业客户\t客户来源：朋友介绍\t所属行业：服务业\r\n信用等级：优\t"
                   "\r\n\r\n"
                   "手机：13900000000\r\nQQ：12345\t\t邮箱：a@b.cn\t\t网址：http://x.cn\r\n"
                   "\r\n\r\n"
                   "备注：这是一个十一个字的备注。\t");
const QString CardB =
    QStringLiteral("客户姓名：李四\t性别：女\t身份证号：350203198005171234\t出生日期：\t年龄：\t薪水：\r\n"
                   "地址：厦门市思明区某路一二号\t邮编：361000\r\n\r\n\r\n\r\n\r\n\r\n");

} // namespace

TEST_F(ClientToTextTest, CardsOfOneClientAndOfAllOwnClients)
{
    EXPECT_EQ(ClientToText(101), CardA);
    EXPECT_EQ(ClientToText(102), CardB);
    // Any client's card by its id, whoever owns it; a 15-character identity number is printed.
    EXPECT_TRUE(ClientToText(103).startsWith(
        QStringLiteral("客户姓名：王五\t性别：男\t身份证号：350203800517123\t")));
    EXPECT_EQ(ClientToText(999), QString());

    const QString separator =
        QStringLiteral("\r\n\r\n") + QString(36, QLatin1Char('-')) + QStringLiteral("\r\n\r\n");
    EXPECT_EQ(ClientToText(0), CardA + separator + CardB);
    CurUserID = 3;
    EXPECT_EQ(ClientToText(0), QString());
}
