#include <gtest/gtest.h>

#include "clients/clientrecord.h"
#include "clients/companyrecord.h"
#include "clients/contractrows.h"
#include "controls/datefield.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "tests/support/failedsave.h"
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
    ClientFields fields = NewClientFields(1);
    fields.name = QStringLiteral("张三");
    const QList<ContractEntry> entries{
        {QStringLiteral("0"), 1, QStringLiteral("手机"), QStringLiteral("13800000000"), false, false},
        {QStringLiteral("0"), 2, QStringLiteral("电话"), QStringLiteral("0592-1234567"), false, false}};
    const SavedClient client = SaveClient(0, fields, {QStringLiteral("ClientType")}, entries);
    CompanyFields company;
    company.name = QStringLiteral("德泽科技");
    const qint32 companyId = SaveCompany(0, company, entries);
    const auto storedEntries = [](qint32 owner, bool isCompany) {
        QList<ContractEntry> stored;
        for (const StoredContract& row :
             isCompany ? LoadCompanyContracts(owner) : LoadClientContracts(owner, 0))
            stored.append({QString::number(row.contractId), row.kindId, QString(), row.data, false, false});
        return stored;
    };
    // An edit changes one stored entry, removes the other and adds a new one last.
    const auto edited = [](QList<ContractEntry> rows) {
        rows[0].text = QStringLiteral("13900000000");
        rows[1].removed = true;
        rows.append({QStringLiteral("0"), 4, QStringLiteral("QQ"), QStringLiteral("10001"), false, false});
        return rows;
    };
    const QList<ContractEntry> clientEdit = edited(storedEntries(client.clientId, false));
    const QList<ContractEntry> companyEdit = edited(storedEntries(companyId, true));
    ASSERT_EQ(clientEdit.size(), 3);
    ASSERT_EQ(companyEdit.size(), 3);
    fields.name = QStringLiteral("李四");
    fields.classIds = {2};
    company.name = QStringLiteral("德泽软件");

    // The new contact row fails after the company, the log rows, the client's or company's row
    // and the other entries were written.
    const auto contactFails = [](const QString& what, const std::function<void()>& save) {
        return FailingSave{what, QStringLiteral("Contract"), QStringLiteral("insert"),
                           QStringLiteral("new.ContractData = '10001'"), save};
    };
    ExpectEachSaveLeavesNoTrace({
        contactFails(QStringLiteral("new client with a new company"),
                     [&] {
                         SaveClient(0, fields, {QStringLiteral("ClientType")}, clientEdit.mid(2),
                                    QStringLiteral("新公司"));
                     }),
        contactFails(
            QStringLiteral("client edited"),
            [&] { SaveClient(client.clientId, fields, {QStringLiteral("ClientType")}, clientEdit); }),
        contactFails(QStringLiteral("new company"), [&] { SaveCompany(0, company, companyEdit.mid(2)); }),
        contactFails(QStringLiteral("company edited"), [&] { SaveCompany(companyId, company, companyEdit); }),
    });
}
