#include <gtest/gtest.h>

#include "clients/clientrecord.h"
#include "clients/companyrecord.h"
#include "controls/datefield.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/dberror.h"
#include "tests/support/fixtures.h"

namespace {

class ClientRecordTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CurUserID = 1;
    }
    // Every row of the tables a save writes, as text.
    QString snapshot()
    {
        QString all;
        for (const char* table : {"client", "company", "Contract", "logdata"}) {
            all += QLatin1String(table) + QLatin1Char(':') +
                   Conn.scalar(QStringLiteral(
                                   "select group_concat(r, ';') from (select quote(%1.rowid) || '' as r "
                                   "from %1 order by rowid)")
                                   .arg(QLatin1String(table)))
                       .toString() +
                   QLatin1Char('\n');
        }
        for (const char* sql : {"select group_concat(clientname || LastChangeDate) from client",
                                "select group_concat(companyname) from company",
                                "select group_concat(ContractData || GetID) from Contract"})
            all += Conn.scalar(QString::fromUtf8(sql)).toString() + QLatin1Char('\n');
        return all;
    }
};

} // namespace

TEST(ClientFieldValues, SalaryAndBirthdayReadTheTypedTexts)
{
    EXPECT_EQ(SalaryValue(QStringLiteral("3500")), 3500);
    EXPECT_EQ(SalaryValue(QStringLiteral("3500.9")), 3500);
    EXPECT_EQ(SalaryValue(QString()), 0);
    EXPECT_EQ(SalaryValue(QStringLiteral("abc")), 0);
    EXPECT_EQ(SalaryValue(QStringLiteral("99999999999999999999999")), 0);
    EXPECT_EQ(DateField::readBox(QStringLiteral("1960年01月01日")), QDate(1960, 1, 1));
    EXPECT_EQ(DateField::readBox(QStringLiteral("1975-06-15")), QDate(1975, 6, 15));
    EXPECT_FALSE(DateField::readBox(QString()).isValid());
    EXPECT_FALSE(DateField::readBox(QStringLiteral("1975-02-30")).isValid());
}

TEST_F(ClientRecordTest, ASaveThatFailsMidwayLeavesTheDatabaseAsItWas)
{
    ClientFields fields = NewClientFields(0);
    fields.name = QStringLiteral("张三");
    const QList<ContractEntry> entries{
        {QStringLiteral("0"), 1, QStringLiteral("手机"), QStringLiteral("13800000000"), false, false}};
    const SavedClient first = SaveClient(0, fields, {}, entries);
    const QString before = snapshot();

    // The contact rows fail after the company, the log rows and the client's row were written.
    Conn.exec(QStringLiteral("create trigger refuse before insert on Contract "
                             "begin select raise(abort, 'disk full'); end"));
    fields.name = QStringLiteral("李四");
    EXPECT_THROW(SaveClient(0, fields, {}, entries, QStringLiteral("新公司")), DbError);
    EXPECT_THROW(SaveClient(first.clientId, fields, {}, entries), DbError);
    CompanyFields company;
    company.name = QStringLiteral("德泽科技");
    EXPECT_THROW(SaveCompany(0, company, entries), DbError);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(Conn.transactionDepth(), 0);
}
