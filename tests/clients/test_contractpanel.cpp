#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "clients/contractpanel.h"
#include "clients/contractrows.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/twips.h"
#include "tests/clients/recordformtest.h"

namespace {

// Kinds of the shipped database.
constexpr qint32 Mobile = 1;
constexpr qint32 Phone = 2;
constexpr qint32 QQ = 4;
constexpr qint32 Mail = 5;
constexpr qint32 Web = 6;

class ContractPanelTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CurUserID = 7;
        m_host = std::make_unique<QWidget>();
        m_host->resize(460, 300);
        m_other = new QLineEdit(m_host.get());
        m_other->setGeometry(0, 270, 100, 24);
    }
    void TearDown() override
    {
        m_host.reset();
        DbTest::TearDown();
    }

    ContractPanel* panel(ContractPanel::Owner owner, int heightPx)
    {
        auto* p = new ContractPanel(owner, m_host.get());
        p->setGeometry(0, 0, 440, heightPx);
        p->LoadKinds();
        m_host->show();
        m_host->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_host.get()));
        return p;
    }

    void store(qint32 id, qint32 kind, const QString& data, qint32 owner, bool isCompany)
    {
        Conn.exec(QStringLiteral(
                      "insert into Contract (ContractID, GetContractClassID, ContractData, GetID, iscompany) "
                      "values (?,?,?,?,?)"),
                  {id, kind, data, owner, isCompany});
    }
    // The stored rows of an owner as "id kind data", by id.
    QStringList stored(qint32 owner, bool isCompany)
    {
        QStringList rows;
        Recordset rs;
        rs.Open(QStringLiteral("select * from Contract where GetID=? and iscompany=? order by ContractID"),
                Conn, {owner, isCompany});
        for (; !rs.Eof(); rs.MoveNext())
            rows << QStringLiteral("%1 %2 %3")
                        .arg(rs.Int(QStringLiteral("ContractID")))
                        .arg(rs.Int(QStringLiteral("GetContractClassID")))
                        .arg(rs.Text(QStringLiteral("ContractData")));
        return rows;
    }

    static int topTwips(const ContractPanel* p, int index)
    {
        return p->ContractCombo[size_t(index)]->y() * TwipsPerPixel;
    }
    static void selectKind(QComboBox* combo, qint32 kind) { combo->setCurrentIndex(combo->findData(kind)); }
    static void typeEntry(ContractPanel* p, qint32 kind, const QString& text)
    {
        p->ContractCombo[0]->setCurrentIndex(p->ContractCombo[0]->findData(kind));
        p->ContractText[0]->edit()->setFocus();
        p->ContractText[0]->setText(text);
    }

    std::unique_ptr<QWidget> m_host;
    QLineEdit* m_other = nullptr;
};

} // namespace

TEST_F(ContractPanelTest, AClientShowsItsOwnRowsThenItsCompanysReadOnly)
{
    store(11, Mobile, QStringLiteral("13800000000"), 301, false);
    store(21, Web, QStringLiteral("www.dezarod.cn"), 401, true);
    store(22, Phone, QStringLiteral("0592-1234567"), 401, true);
    store(23, Phone, QStringLiteral("0592-7654321"), 401, true);
    store(31, Mail, QStringLiteral("other@x.cn"), 302, false);

    ContractPanel* p = panel(ContractPanel::Owner::Client, 200);
    p->LoadContracts(301, 401);
    ASSERT_EQ(p->ContractCount, 4);
    QStringList texts;
    for (int i = 1; i <= 4; ++i)
        texts << p->ContractText[size_t(i)]->Text();
    // Own first; the company's by kind order, newest entry of a kind first.
    EXPECT_EQ(texts, (QStringList{QStringLiteral("13800000000"), QStringLiteral("0592-7654321"),
                                  QStringLiteral("0592-1234567"), QStringLiteral("www.dezarod.cn")}));
    EXPECT_EQ(p->ContractDel[1]->Caption(), QStringLiteral("11"));
    EXPECT_TRUE(p->ContractCombo[1]->isEnabled());
    EXPECT_FALSE(p->ContractDel[1]->isHidden());
    for (int i = 2; i <= 4; ++i) {
        EXPECT_FALSE(p->ContractCombo[size_t(i)]->isEnabled());
        EXPECT_FALSE(p->ContractText[size_t(i)]->Enabled());
        EXPECT_TRUE(p->ContractDel[size_t(i)]->isHidden());
    }
    // Kinds without a button caption show no action; the web kind opens the page.
    EXPECT_TRUE(p->ContractCommand[1]->isHidden());
    EXPECT_FALSE(p->ContractCommand[4]->isHidden());
    EXPECT_EQ(p->ContractCommand[4]->text(), QStringLiteral("打开网页"));
    QTest::mouseClick(p->ContractCommand[4], Qt::LeftButton);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Link);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("http://www.dezarod.cn"));

    // Rows stacked from 120 twips in steps of h + 60, the entry row below them.
    const int step = p->RowHeight() + 60;
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(topTwips(p, i), TwipsToPixels(step * (i - 1) + 120) * TwipsPerPixel);
    EXPECT_EQ(topTwips(p, 0), TwipsToPixels(step * 4 + 120) * TwipsPerPixel);

    // Saving the client writes nothing for the company's rows.
    SaveContracts(p->Entries(), 301, false);
    EXPECT_EQ(stored(401, true).size(), 3);
    EXPECT_EQ(stored(301, false), QStringList{QStringLiteral("11 1 13800000000")});
}

TEST_F(ContractPanelTest, RowsAreAddedChangedAndRemovedAndSavedInPlace)
{
    store(11, Mobile, QStringLiteral("13800000000"), 301, false);
    store(12, Phone, QStringLiteral("0592-1234567"), 301, false);
    store(13, QQ, QStringLiteral("10001"), 301, false);
    ContractPanel* p = panel(ContractPanel::Owner::Client, 400);
    p->LoadContracts(301, 0);
    ASSERT_EQ(p->ContractCount, 3);
    const int step = p->RowHeight() + 60;
    const int entryTop = topTwips(p, 0);

    // Enter adds the typed entry above the entry row, which empties and takes the first kind.
    TypeContactEntry(p, Mail, QStringLiteral("  li@dezarod.cn "));
    ASSERT_EQ(p->ContractCount, 4);
    EXPECT_EQ(p->ContractText[4]->Text(), QStringLiteral("li@dezarod.cn"));
    EXPECT_EQ(p->ContractCombo[4]->currentData().toInt(), Mail);
    EXPECT_EQ(p->ContractCommand[4]->text(), QStringLiteral("发送邮件"));
    EXPECT_EQ(p->ContractDel[4]->Caption(), QStringLiteral("0"));
    EXPECT_EQ(topTwips(p, 4), entryTop);
    EXPECT_EQ(topTwips(p, 0), TwipsToPixels(entryTop + step) * TwipsPerPixel);
    EXPECT_EQ(p->ContractCombo[0]->currentIndex(), 0);
    EXPECT_EQ(p->ContractText[0]->Text(), QString());

    // Leaving the entry row adds too; an empty entry adds nothing.
    typeEntry(p, Web, QStringLiteral("www.li.cn"));
    m_other->setFocus();
    ASSERT_EQ(p->ContractCount, 5);
    TypeContactEntry(p, Web, QStringLiteral("   "));
    EXPECT_EQ(p->ContractCount, 5);
    // An entry added and removed before the save leaves no trace.
    TypeContactEntry(p, Phone, QStringLiteral("12345"));
    ASSERT_EQ(p->ContractCount, 6);
    QTest::mouseClick(p->ContractDel[6], Qt::LeftButton);

    // A new kind for a stored row sets up its action again.
    selectKind(p->ContractCombo[1], QQ);
    EXPECT_EQ(p->ContractCommand[1]->text(), QStringLiteral("发送ＱＱ"));
    EXPECT_FALSE(p->ContractCommand[1]->isHidden());
    p->ContractText[1]->setText(QStringLiteral("20002"));

    // Removing row 2 moves the later rows and the entry row up one step.
    const int top3 = topTwips(p, 3);
    const int top0 = topTwips(p, 0);
    QTest::mouseClick(p->ContractDel[2], Qt::LeftButton);
    EXPECT_TRUE(p->ContractText[2]->isHidden());
    EXPECT_EQ(p->ContractCount, 6);
    EXPECT_EQ(topTwips(p, 3), TwipsToPixels(top3 - step) * TwipsPerPixel);
    EXPECT_EQ(topTwips(p, 0), TwipsToPixels(top0 - step) * TwipsPerPixel);

    SaveContracts(p->Entries(), 301, false);
    const QStringList rows = stored(301, false);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], QStringLiteral("11 4 20002"));
    EXPECT_EQ(rows[1], QStringLiteral("13 4 10001"));
    const QStringList added = rows.mid(2);
    EXPECT_TRUE(added.filter(QStringLiteral(" 5 li@dezarod.cn")).size() == 1)
        << added.join('|').toStdString();
    EXPECT_TRUE(added.filter(QStringLiteral(" 6 www.li.cn")).size() == 1) << added.join('|').toStdString();
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from Contract where ContractData='12345'")).toInt(),
              0);
}

TEST_F(ContractPanelTest, OnlyACaptionOfMoreThanTwoCharactersGivesARowItsActionButton)
{
    Conn.exec(QStringLiteral("update ContractClass set ButtonName = '发送' where ContractClassID = 1"));
    Conn.exec(QStringLiteral("update ContractClass set ButtonName = '' where ContractClassID = 2"));
    Conn.exec(QStringLiteral("update ContractClass set ButtonName = '发传真' where ContractClassID = 3"));
    store(11, Mobile, QStringLiteral("13800000000"), 301, false);
    store(12, Phone, QStringLiteral("0592-1234567"), 301, false);
    store(13, 3, QStringLiteral("0592-7654321"), 301, false);
    ContractPanel* p = panel(ContractPanel::Owner::Client, 300);
    p->LoadContracts(301, 0);
    ASSERT_EQ(p->ContractCount, 3);
    // Loaded: two characters and an empty caption give none, three characters one.
    EXPECT_TRUE(p->ContractCommand[1]->isHidden());
    EXPECT_TRUE(p->ContractCommand[2]->isHidden());
    EXPECT_FALSE(p->ContractCommand[3]->isHidden());
    EXPECT_EQ(p->ContractCommand[3]->text(), QStringLiteral("发传真"));

    // Added, and a row's kind changed.
    TypeContactEntry(p, Mobile, QStringLiteral("13900000000"));
    ASSERT_EQ(p->ContractCount, 4);
    EXPECT_TRUE(p->ContractCommand[4]->isHidden());
    selectKind(p->ContractCombo[4], 3);
    EXPECT_FALSE(p->ContractCommand[4]->isHidden());
    selectKind(p->ContractCombo[4], Mobile);
    EXPECT_TRUE(p->ContractCommand[4]->isHidden());
    selectKind(p->ContractCombo[3], Phone);
    EXPECT_TRUE(p->ContractCommand[3]->isHidden());
}

TEST_F(ContractPanelTest, TheScrollBarFollowsTheRows)
{
    ContractPanel* p = panel(ContractPanel::Owner::Company, 100);
    EXPECT_FALSE(p->VS1->isEnabled());
    while (p->Picture2->height() < p->height()) {
        TypeContactEntry(p, Phone, QStringLiteral("0592-%1").arg(p->ContractCount));
    }
    EXPECT_TRUE(p->VS1->isEnabled());
    EXPECT_GT(p->VS1->maximum(), 0);
    // Scrolled to the bottom, so that the entry row stays in view.
    EXPECT_EQ(p->VS1->value(), p->VS1->maximum());
    EXPECT_EQ(p->Picture2->y(), -TwipsToPixels(120 * p->VS1->value()));
    EXPECT_EQ(p->VS1->singleStep(), (p->RowHeight() + 60) / 120);

    while (p->VS1->isEnabled()) {
        int last = p->ContractCount;
        while (p->ContractDel[size_t(last)]->isHidden())
            --last;
        QTest::mouseClick(p->ContractDel[size_t(last)], Qt::LeftButton);
    }
    EXPECT_EQ(p->Picture2->y(), 0);
    EXPECT_LT(p->Picture2->height(), p->height());
}

TEST(ContractEntries, ChecksGiveOneEmptyLineAndOneLinePerBadAddress)
{
    QList<ContractEntry> entries{
        {QStringLiteral("0"), Mail, MailKindName, QStringLiteral("bad@mail"), false, false},
        {QStringLiteral("0"), Mail, MailKindName, QString(), false, false},
        {QStringLiteral("0"), Phone, QStringLiteral("电话"), QString(), false, false},
        {QStringLiteral("0"), Web, WebKindName, QStringLiteral("www.x.cn"), false, false},
        {QStringLiteral("0"), Web, WebKindName, QStringLiteral("ftp://x.cn"), false, false},
        {QStringLiteral("5"), Mail, MailKindName, QStringLiteral("also bad"), true, false},
        {QStringLiteral("0"), Mail, MailKindName, QStringLiteral("wrong@"), false, false},
    };
    QStringList lines;
    QList<ContractEntry> company = entries;
    CheckContractEntries(company, false, lines);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("、部分联系方式为空！"),
                                  QStringLiteral("、[bad@mail]为非有效电子邮箱！"),
                                  QStringLiteral("、[wrong@]为非有效电子邮箱！")}));
    EXPECT_EQ(company[3].text, QStringLiteral("www.x.cn"));

    lines.clear();
    CheckContractEntries(entries, true, lines);
    EXPECT_EQ(lines.size(), 3);
    EXPECT_EQ(entries[3].text, QStringLiteral("http://www.x.cn"));
    EXPECT_EQ(entries[4].text, QStringLiteral("ftp://x.cn"));
}
