#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "affairs/affairgeneration.h"
#include "affairs/affairregularadd.h"
#include "affairs/oneoffaffair.h"
#include "affairs/regularaffair.h"
#include "affairs/regularschedule.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "tests/affairs/affairtestdata.h"
#include "tests/support/failedsave.h"

namespace {

class AffairRegularAddTest : public AffairTest
{
protected:
    void TearDown() override
    {
        delete m_form.data();
        AffairTest::TearDown();
    }
    AffairRegularAdd* open(qint32 id)
    {
        m_form = new AffairRegularAdd;
        m_form->AffairRegularId = id;
        m_form->show();
        return m_form;
    }
    void save() { QTest::mouseClick(m_form->VsNetBut2, Qt::LeftButton); }
    QString saveRefused()
    {
        m_prompts.answerMessage(MsgResult::Ok);
        save();
        return m_prompts.last().text;
    }
    qint32 savedId() const
    {
        return Conn
            .scalar(QStringLiteral("select AffairRegularId from AffairRegular where AffairRegularname = ?"),
                    {QStringLiteral("巡检")})
            .toInt();
    }
    QVariant stored(const QString& column) const
    {
        return Conn.scalar(
            QStringLiteral("select %1 from AffairRegular where AffairRegularId = ?").arg(column),
            {savedId()});
    }
    QStringList daysOf(qint32 id) const
    {
        QStringList days;
        Recordset rs;
        rs.Open(
            QStringLiteral("select AffairDate from affair where GetAffairRegular = ? order by AffairDate"),
            Conn, {id});
        for (; !rs.Eof(); rs.MoveNext())
            days << rs.Text(QStringLiteral("AffairDate"));
        return days;
    }

    QPointer<AffairRegularAdd> m_form;
};

QStringList checkErrors(qint16 kind, const char* cycle, const char* lead)
{
    RegularAffairInput input;
    input.name = QStringLiteral("x");
    input.kind = kind;
    input.cycleText = QString::fromLatin1(cycle);
    input.leadText = QString::fromLatin1(lead);
    input.startText = QStringLiteral("2011-09-11");
    input.yearDayText = QStringLiteral("09月11日");
    input.monthDayText = QStringLiteral("11");
    QString schedule;
    qint32 storedLead = -1;
    return CheckRegularAffair(input, &schedule, &storedLead);
}

const QString CycleError = QStringLiteral("、循环方式设定事务，循环周期不能小于 2 天,或大于 365 天！");
const QString LeadError = QStringLiteral("、提前几日提醒，应该小所设的周期，0 表示只到事务当日提醒。");

} // namespace

TEST(RegularAffairCheck, TheLeadMustStayBelowTheKindsCycle)
{
    EXPECT_EQ(checkErrors(EveryNDays, "1", "9"), QStringList{CycleError});
    EXPECT_EQ(checkErrors(EveryNDays, "366", "0"), QStringList{CycleError});
    EXPECT_EQ(checkErrors(EveryNDays, "7", "7"), QStringList{LeadError});
    EXPECT_TRUE(checkErrors(EveryNDays, "7", "6").isEmpty());
    EXPECT_EQ(checkErrors(Daily, "", "1"), QStringList{LeadError});
    EXPECT_TRUE(checkErrors(Daily, "", "0").isEmpty());
    EXPECT_EQ(checkErrors(Weekly, "", "7"), QStringList{LeadError});
    EXPECT_TRUE(checkErrors(Weekly, "", "6").isEmpty());
    EXPECT_TRUE(checkErrors(Monthly, "", "30").isEmpty());
    EXPECT_TRUE(checkErrors(Yearly, "", "364").isEmpty());
    EXPECT_EQ(checkErrors(Yearly, "", "365"), QStringList{LeadError});
    // A negative lead passes and is stored as 0; a cycle typed 5.6 is 6 days.
    RegularAffairInput input;
    input.name = QStringLiteral("x");
    input.kind = EveryNDays;
    input.cycleText = QStringLiteral("5.6");
    input.leadText = QStringLiteral("-3");
    input.startText = QString::fromUtf8("2011年09月11日");
    QString schedule;
    qint32 lead = -1;
    EXPECT_TRUE(CheckRegularAffair(input, &schedule, &lead).isEmpty());
    EXPECT_EQ(schedule, QStringLiteral("20110911006"));
    EXPECT_EQ(lead, 0);
    // Dates typed into unlocked boxes that read as no date are refused.
    input.startText = QStringLiteral("2011-02-30");
    EXPECT_EQ(CheckRegularAffair(input, &schedule, &lead),
              QStringList{QStringLiteral("、日期输入出错，请手动输入")});
    input.kind = Yearly;
    input.yearDayText = QString::fromUtf8("13月01日");
    EXPECT_EQ(CheckRegularAffair(input, &schedule, &lead),
              QStringList{QStringLiteral("、日期输入出错，请手动输入")});
}

TEST_F(AffairRegularAddTest, EachKindIsSavedAndItsComingAffairsMadeAgain)
{
    addClient(5, QStringLiteral("张三"), QVariant());
    // A one-off affair of today must survive the save of a new recurring affair.
    addAffair(900, QStringLiteral("今天的临时事务"), today);

    open(0);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增定期事务"));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("未选择"));
    EXPECT_FALSE(m_form->Text3[1]->isVisible());
    EXPECT_EQ(saveRefused(), QStringLiteral("请选设置一种定期方式"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("保存错误"));

    m_form->Option1[EveryNDays]->setChecked(true);
    EXPECT_TRUE(m_form->Text3[1]->isVisible());
    EXPECT_TRUE(m_form->FoxText3->isVisible());
    EXPECT_EQ(m_form->Text3[1]->Text(), QStringLiteral("2011-09-20"));
    m_form->FoxText4->setText(QStringLiteral(" 巡检 "));
    m_form->Text3[1]->setText(QStringLiteral("2011-09-11"));
    m_form->FoxText3->setText(QStringLiteral("5"));
    m_form->FoxText2->setText(QStringLiteral("4"));
    m_form->ClientId = 5;
    save();
    EXPECT_EQ(stored(QStringLiteral("RegularType")).toInt(), EveryNDays);
    EXPECT_EQ(stored(QStringLiteral("RegularData")).toString(), QStringLiteral("20110911005"));
    EXPECT_EQ(stored(QStringLiteral("RemainDate")).toInt(), 4);
    EXPECT_EQ(stored(QStringLiteral("GetClient")).toInt(), 5);
    EXPECT_EQ(stored(QStringLiteral("createuser")).toInt(), 1);
    EXPECT_EQ(stored(QStringLiteral("createDate")).toString(), QStringLiteral("2011-09-20"));
    const qint32 id = savedId();
    EXPECT_EQ(daysOf(id), QStringList{QStringLiteral("2011-09-21")});
    EXPECT_EQ(count(QStringLiteral("affairid = 900")), 1);

    // Reopened: the stored schedule and lead are shown; switching the kind resets the lead.
    addAffair(901, QStringLiteral("上次的"), today.addDays(-4), 0, id);
    open(id);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("修改定期事务--[巡检]"));
    EXPECT_TRUE(m_form->Option1[EveryNDays]->isChecked());
    EXPECT_EQ(m_form->Text3[1]->Text(), QString::fromUtf8("2011年09月11日"));
    EXPECT_EQ(m_form->FoxText3->Text(), QStringLiteral("5"));
    EXPECT_EQ(m_form->FoxText2->Text(), QStringLiteral("4"));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("张三"));
    m_form->Option1[Weekly]->setChecked(true);
    EXPECT_EQ(m_form->FoxText2->Text(), QStringLiteral("0"));
    EXPECT_FALSE(m_form->FoxText3->isVisible());
    EXPECT_TRUE(m_form->Combo3->isVisible());
    m_form->Combo3->setCurrentIndex(4); // Thursday
    save();
    EXPECT_EQ(stored(QStringLiteral("RegularData")).toString(), QStringLiteral("5"));
    EXPECT_EQ(stored(QStringLiteral("GetClient")).toInt(), 5);
    EXPECT_EQ(daysOf(id), (QStringList{QStringLiteral("2011-09-16"), QStringLiteral("2011-09-22")}));
    EXPECT_EQ(Conn.scalar(QStringLiteral(
                              "select group_concat(GetLogOperate) from (select GetLogOperate from logdata "
                              "where GetLogClass = 3 and GetEditID = ? order by GetLogOperate)"),
                          {id})
                  .toString(),
              QStringLiteral("1,2"));

    open(id);
    m_form->Option1[Monthly]->setChecked(true);
    m_form->Combo4->setCurrentIndex(4);
    // The lead box takes any text; a negative lead is stored as 0.
    m_form->FoxText2->setText(QString());
    QTest::keyClicks(m_form->FoxText2->Text1(), QStringLiteral("-2"));
    EXPECT_EQ(m_form->FoxText2->Text(), QStringLiteral("-2"));
    save();
    EXPECT_EQ(stored(QStringLiteral("RegularData")).toString(), QStringLiteral("05"));
    EXPECT_EQ(stored(QStringLiteral("RemainDate")).toInt(), 0);
    EXPECT_EQ(daysOf(id).last(), QStringLiteral("2011-10-05"));

    // A yearly day typed as 29 February is kept as 28 February; "取消" drops the client.
    open(id);
    m_form->Option1[Yearly]->setChecked(true);
    m_form->Text3[0]->setLocked(false);
    m_form->Text3[0]->setText(QString::fromUtf8("02月29日"));
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    save();
    EXPECT_EQ(stored(QStringLiteral("RegularData")).toString(), QStringLiteral("0228"));
    EXPECT_EQ(stored(QStringLiteral("GetClient")).toInt(), 0);
    EXPECT_EQ(daysOf(id).last(), QStringLiteral("2012-02-28"));

    open(id);
    m_form->Option1[Daily]->setChecked(true);
    EXPECT_FALSE(m_form->FoxText2->Enabled());
    save();
    EXPECT_EQ(stored(QStringLiteral("RegularData")).toString(), QString());
    EXPECT_EQ(daysOf(id), (QStringList{QStringLiteral("2011-09-16"), QStringLiteral("2011-09-20")}));
    EXPECT_EQ(count(QStringLiteral("affairid = 900")), 1);

    // Changed on a day it is due: today's affair of the old schedule goes too.
    open(id);
    m_form->Option1[Weekly]->setChecked(true);
    m_form->Combo3->setCurrentIndex(4); // Thursday
    save();
    EXPECT_EQ(daysOf(id), (QStringList{QStringLiteral("2011-09-16"), QStringLiteral("2011-09-22")}));
    EXPECT_EQ(count(QStringLiteral("affairid = 900")), 1);
}

TEST_F(AffairRegularAddTest, ASaveOrDeleteThatFailsMidwayLeavesTheAffairsAsTheyWere)
{
    addClient(5, QStringLiteral("张三"), QStringLiteral("1980-09-21"));
    addRegular(50, QStringLiteral("日报"), Daily, QString(), 0, 5);
    addAffair(901, QStringLiteral("日报"), today.addDays(-3), 0, 50);
    addAffair(902, QStringLiteral("日报"), today, 0, 50);

    // Changed to every Thursday: today's affair is deleted before the new ones are written.
    std::optional<RegularAffair> weekly = LoadRegularAffair(50, today);
    ASSERT_TRUE(weekly);
    weekly->kind = Weekly;
    weekly->schedule = QStringLiteral("5");
    RegularAffair fresh;
    fresh.name = QStringLiteral("巡检");
    fresh.kind = Daily;
    fresh.wayId = 2;
    fresh.typeId = 3;
    OneOffAffair once;
    once.name = QStringLiteral("回访");
    once.dateText = today.toString(QStringLiteral("yyyy-MM-dd"));
    const QString affair = QStringLiteral("affair");
    const QString insert = QStringLiteral("insert");
    ExpectEachSaveLeavesNoTrace({
        {QStringLiteral("new recurring affair"), affair, insert, QString(),
         [&] { SaveRegularAffair(fresh, today); }},
        {QStringLiteral("recurring affair changed"), affair, insert, QString(),
         [&] { SaveRegularAffair(*weekly, today); }},
        {QStringLiteral("recurring affair deleted"), QStringLiteral("AffairRegular"),
         QStringLiteral("delete"), QString(), [&] { DeleteRegularAffair(50, today); }},
        {QStringLiteral("one-off affair"), QStringLiteral("logdata"), insert, QString(),
         [&] { SaveOneOffAffair(once); }},
        {QStringLiteral("the coming days' affairs"), affair, insert,
         QStringLiteral("new.Affairname = '客户生日'"), [&] { AffairGenerator(today).makeComingAffairs(); }},
    });
}

TEST_F(AffairRegularAddTest, ABrokenStoredRowIsMendedWhenOpened)
{
    addRegular(50, QStringLiteral("坏的"), 7, QStringLiteral("1301"), 3, 77);
    open(50);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select RegularType from AffairRegular where AffairRegularId = 50"))
                  .toInt(),
              Yearly);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select RegularData from AffairRegular where AffairRegularId = 50"))
                  .toString(),
              QStringLiteral("0101"));
    for (QRadioButton* option : m_form->Option1)
        EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(m_form->Text3[0]->Text(), QString::fromUtf8("01月01日"));
    EXPECT_EQ(m_form->ClientId, 0);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("未选择"));
    EXPECT_EQ(m_form->FoxText2->Text(), QStringLiteral("3"));

    // An id without a row opens a new affair.
    open(12345);
    EXPECT_EQ(m_form->AffairRegularId, 0);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增定期事务"));
}

TEST_F(AffairRegularAddTest, PickingTwentyNinthOfFebruaryForTheYearlyKindTakesTheTwentyEighth)
{
    // At the largest font the boxes are highest; the calendar still opens inside the dialog.
    UserFontSize = 14;
    FoxTextHeight = 360;
    open(0);
    // It opens right under the box it serves, at the box's left edge.
    const auto calendarUnder = [this](FoxText* box) {
        const QRect calendar = m_form->FoxDate1->geometry();
        const QPoint corner = box->mapTo(m_form, QPoint(0, box->height()));
        return m_form->FoxDate1->isVisible() && m_form->rect().contains(calendar) &&
               calendar.topLeft() == corner;
    };
    m_form->Option1[EveryNDays]->setChecked(true);
    QTest::mouseClick(m_form->Text3[1]->Text1(), Qt::LeftButton);
    EXPECT_TRUE(calendarUnder(m_form->Text3[1]));
    m_form->Option1[Yearly]->setChecked(true);
    QTest::mouseClick(m_form->Text3[0]->Text1(), Qt::LeftButton);
    ASSERT_TRUE(calendarUnder(m_form->Text3[0]));
    m_form->FoxDate1->setSelDate(QDate(2012, 2, 29));
    m_prompts.answerMessage(MsgResult::Ok);
    Q_EMIT m_form->FoxDate1->Click();
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("请不要选择02月29日，系统将改为02月28日。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("日期选择"));
    EXPECT_EQ(m_form->Text3[0]->Text(), QString::fromUtf8("02月28日"));
}
