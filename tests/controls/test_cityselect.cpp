#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "controls/cityselect.h"
#include "core/dblayer.h"
#include "platform/propertybag.h"
#include "tests/support/fixtures.h"

namespace {

class CitySelectTest : public DbTest
{
protected:
    // Picks an entry the way the user does: the list's activation runs the control's step.
    static void pick(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

    CitySelect m_picker;
};

} // namespace

TEST(AreaStrTest, BuildsTheRegionNameByKind)
{
    const QString p = QStringLiteral("福建省"), c = QStringLiteral("厦门市"), k = QStringLiteral("思明区");
    EXPECT_EQ(BuildAreaStr(0, 35, p, c, k), QStringLiteral("福建省厦门市思明区"));
    EXPECT_EQ(BuildAreaStr(1, 35, p, c, k), p);
    EXPECT_EQ(BuildAreaStr(2, 35, p, c, k), c);
    EXPECT_EQ(BuildAreaStr(3, 35, p, c, k), k);
    EXPECT_EQ(BuildAreaStr(4, 35, p, c, k), QString());
    EXPECT_EQ(BuildAreaStr(-1, 35, p, c, k), QString());
}

TEST(AreaStrTest, CountiesNamedInTheDropListContributeNothing)
{
    const QString p = QStringLiteral("河北省"), c = QStringLiteral("石家庄市");
    EXPECT_EQ(BuildAreaStr(0, 13, p, c, QStringLiteral("市辖区")), QStringLiteral("河北省石家庄市"));
    // Any part of the list counts, as a plain substring test.
    EXPECT_EQ(BuildAreaStr(0, 13, p, c, QStringLiteral("市名")), QStringLiteral("河北省石家庄市"));
    EXPECT_EQ(BuildAreaStr(3, 13, p, c, QStringLiteral("市辖区")), c);
    EXPECT_EQ(BuildAreaStr(0, 13, p, c, QStringLiteral("长安区")), QStringLiteral("河北省石家庄市长安区"));
}

TEST(AreaStrTest, MunicipalitiesNeverNameTheirCity)
{
    for (qint32 province : {11, 12, 31, 50}) {
        EXPECT_EQ(BuildAreaStr(0, province, QStringLiteral("重庆市"), QStringLiteral("县"),
                               QStringLiteral("城口县")),
                  QStringLiteral("重庆市城口县"))
            << province;
        EXPECT_EQ(BuildAreaStr(2, province, QStringLiteral("重庆市"), QStringLiteral("县"),
                               QStringLiteral("城口县")),
                  QStringLiteral("城口县"));
    }
    // 30 is no province: its city would be named.
    EXPECT_EQ(BuildAreaStr(0, 30, QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")),
              QStringLiteral("甲乙丙"));
}

TEST(AreaStrTest, DirectlyGovernedCityGroupsAreNeverNamed)
{
    for (const QString& city : {QStringLiteral("省直辖县级行政单位"), QStringLiteral("省直辖县级行政区划"),
                                QStringLiteral("自治区直辖县级行政区划")}) {
        EXPECT_EQ(BuildAreaStr(0, 41, QStringLiteral("河南省"), city, QStringLiteral("济源市")),
                  QStringLiteral("河南省济源市"));
        EXPECT_EQ(BuildAreaStr(2, 41, QStringLiteral("河南省"), city, QStringLiteral("济源市")),
                  QStringLiteral("济源市"));
    }
}

TEST_F(CitySelectTest, ExistingCodeSelectsExactlyItsThreeLevels)
{
    m_picker.setCode(350203);
    EXPECT_EQ(m_picker.Code(), 350203);
    EXPECT_EQ(m_picker.Combo1->currentData().toInt(), 35);
    EXPECT_EQ(m_picker.Combo2->currentData().toInt(), 3502);
    EXPECT_EQ(m_picker.Combo3->currentData().toInt(), 350203);
    EXPECT_EQ(m_picker.AreaStr(0), QStringLiteral("福建省厦门市思明区"));
    EXPECT_EQ(m_picker.AreaStr(2), QStringLiteral("厦门市"));
    EXPECT_EQ(m_picker.AreaStr(3), QStringLiteral("思明区"));
    // The lists hold the area tables' rows.
    EXPECT_EQ(m_picker.Combo1->count(),
              Conn.scalar(QStringLiteral("select count(*) from AreaProvince")).toInt());
    EXPECT_EQ(m_picker.Combo2->count(),
              Conn.scalar(QStringLiteral("select count(*) from areacity where cityid / 100 = 35")).toInt());
}

TEST_F(CitySelectTest, EveryShippedCountyCodeRoundTrips)
{
    Recordset rs;
    rs.Open(QStringLiteral("select Countryid from areaCountry where Countryid % 37 = 0"), Conn);
    int checked = 0;
    while (!rs.Eof()) {
        const qint32 code = qint32(rs.Int(QStringLiteral("Countryid")));
        m_picker.setCode(code);
        ASSERT_EQ(m_picker.Code(), code);
        ASSERT_EQ(m_picker.Combo3->currentData().toInt(), code);
        ASSERT_FALSE(m_picker.AreaStr(1).isEmpty());
        ++checked;
        rs.MoveNext();
    }
    EXPECT_GT(checked, 20);
}

TEST_F(CitySelectTest, ZeroChangesNothing)
{
    m_picker.setCode(350203);
    m_picker.setCode(0);
    EXPECT_EQ(m_picker.Code(), 0);
    EXPECT_EQ(m_picker.Combo3->currentData().toInt(), 350203);
    EXPECT_EQ(m_picker.AreaStr(0), QStringLiteral("福建省厦门市思明区"));

    CitySelect fresh;
    fresh.setCode(0);
    EXPECT_EQ(fresh.Combo1->count(), 0);
}

TEST_F(CitySelectTest, UnknownProvinceLeavesNothingSelectedAndKeepsTheCode)
{
    m_picker.setCode(350203);
    m_picker.setCode(990101);
    EXPECT_EQ(m_picker.Code(), 990101);
    EXPECT_EQ(m_picker.Combo1->currentIndex(), -1);
    EXPECT_EQ(m_picker.Combo2->count(), 0);
    EXPECT_EQ(m_picker.Combo3->count(), 0);
    for (int kind = 0; kind <= 3; ++kind)
        EXPECT_EQ(m_picker.AreaStr(kind), QString()) << kind;
}

TEST_F(CitySelectTest, UnknownCityOrCountyFallsBackToTheFirstEntries)
{
    // Province 35 exists, city 3599 does not: the first city and its first county are chosen.
    m_picker.setCode(359901);
    EXPECT_EQ(m_picker.Combo1->currentData().toInt(), 35);
    EXPECT_EQ(m_picker.Combo2->currentIndex(), 0);
    EXPECT_EQ(m_picker.Combo3->currentIndex(), 0);
    EXPECT_EQ(m_picker.Code(), m_picker.Combo3->itemData(0).toInt());
    EXPECT_EQ(m_picker.Code() / 100, m_picker.Combo2->itemData(0).toInt());

    // City 3502 exists, county 350299 does not.
    m_picker.setCode(350299);
    EXPECT_EQ(m_picker.Combo2->currentData().toInt(), 3502);
    EXPECT_EQ(m_picker.Code(), m_picker.Combo3->itemData(0).toInt());
    EXPECT_EQ(m_picker.Code() / 100, 3502);
}

TEST_F(CitySelectTest, PickingByHandMovesTheCodeToTheFirstCountyBelow)
{
    m_picker.setCode(350203);
    const int beijing = m_picker.Combo1->findData(11);
    ASSERT_GE(beijing, 0);
    pick(m_picker.Combo1, beijing);
    EXPECT_EQ(m_picker.Code(), 110101);
    EXPECT_EQ(m_picker.AreaStr(0), QStringLiteral("北京市东城区"));

    m_picker.setCode(350203);
    const int city = m_picker.Combo2->findData(3501);
    ASSERT_GE(city, 0);
    pick(m_picker.Combo2, city);
    EXPECT_EQ(m_picker.Code(), m_picker.Combo3->itemData(0).toInt());
    EXPECT_EQ(m_picker.Code() / 100, 3501);

    const int county = m_picker.Combo3->count() - 1;
    pick(m_picker.Combo3, county);
    EXPECT_EQ(m_picker.Code(), m_picker.Combo3->itemData(county).toInt());
}

TEST_F(CitySelectTest, MunicipalitiesAndDirectlyGovernedCountiesInTheShippedData)
{
    m_picker.setCode(500229); // 重庆市 / 县 / 城口县
    EXPECT_EQ(m_picker.AreaStr(0), QStringLiteral("重庆市城口县"));
    EXPECT_EQ(m_picker.AreaStr(2), QStringLiteral("城口县"));

    m_picker.setCode(310101); // 上海市 / 市辖区 / 黄浦区
    EXPECT_EQ(m_picker.AreaStr(0), QStringLiteral("上海市黄浦区"));

    m_picker.setCode(419001); // 河南省 / 省直辖县级行政区划 / 济源市
    EXPECT_EQ(m_picker.AreaStr(0), QStringLiteral("河南省济源市"));
    EXPECT_EQ(m_picker.AreaStr(2), QStringLiteral("济源市"));
}

TEST_F(CitySelectTest, ArrangementSideBySideAndOneUnderTheOther)
{
    m_picker.setFontSize(9);
    const int listHeight = m_picker.Combo1->height();
    EXPECT_EQ(m_picker.Combo1->width(), 90); // 9 x 150 twips
    EXPECT_EQ(m_picker.Combo2->width(), 90);
    EXPECT_EQ(m_picker.height(), 3 * listHeight + 2 * 4);
    EXPECT_EQ(m_picker.Combo1->x(), m_picker.Label1->width());
    EXPECT_EQ(m_picker.Label2->y(), m_picker.Combo2->y() + 4);

    m_picker.set是否横排(true);
    EXPECT_EQ(m_picker.height(), listHeight);
    const int parts = m_picker.Label1->width() + m_picker.Label2->width() + m_picker.Label3->width() + 3 * 90;
    EXPECT_EQ(m_picker.width(), parts + 2 * 4);
    EXPECT_EQ(m_picker.Label2->y(), m_picker.Label1->y());

    // The host cannot give it another size.
    m_picker.resize(10, 10);
    EXPECT_EQ(m_picker.width(), parts + 2 * 4);

    m_picker.setFontSize(14);
    EXPECT_EQ(m_picker.Combo3->width(), 140);
    EXPECT_EQ(m_picker.width(), m_picker.Combo3->x() + 140);
}

TEST_F(CitySelectTest, PropertiesPersistWithDefaultsLeftOut)
{
    PropertyBag empty;
    m_picker.writeProperties(empty);
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(m_picker.FontSize(), 12);
    EXPECT_EQ(m_picker.BackColor(), CitySelect::DefaultBackColor);

    QSignalSpy changes(&m_picker, &CitySelect::propertyChanged);
    m_picker.setBackColor(0xF3E1CA);
    m_picker.set是否横排(true);
    m_picker.setCode(350203);
    EXPECT_TRUE(changes.contains(QVariantList{QStringLiteral("BackColor")}));
    EXPECT_TRUE(changes.contains(QVariantList{QStringLiteral("是否横排")}));
    EXPECT_TRUE(changes.contains(QVariantList{QStringLiteral("Code")}));
    EXPECT_EQ(m_picker.palette().color(QPalette::Window), QColor(0xCA, 0xE1, 0xF3));

    PropertyBag bag;
    m_picker.writeProperties(bag);
    EXPECT_EQ(bag.read(QStringLiteral("Code"), 0).toInt(), 350203);
    EXPECT_TRUE(bag.read(QStringLiteral("是否横排"), false).toBool());
    EXPECT_FALSE(bag.contains(QStringLiteral("FontSize")));

    CitySelect loaded;
    loaded.readProperties(bag);
    EXPECT_EQ(loaded.Code(), 350203);
    EXPECT_TRUE(loaded.是否横排());
    EXPECT_EQ(loaded.BackColor(), 0xF3E1CA);
    // A saved code alone fills nothing.
    EXPECT_EQ(loaded.Combo1->count(), 0);
}
