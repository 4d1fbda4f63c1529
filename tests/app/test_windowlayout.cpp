#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "admin/groupmanageform.h"
#include "admin/logmanageform.h"
#include "admin/usermanage.h"
#include "affairs/afairshowform.h"
#include "affairs/affairaddform.h"
#include "affairs/affairmanageform.h"
#include "affairs/affairregularadd.h"
#include "affairs/affairregularmanageform.h"
#include "analysis/analyseform.h"
#include "analysis/analyseform2.h"
#include "analysis/analyseform3.h"
#include "app/aboutform.h"
#include "app/foxinputform.h"
#include "app/loginform.h"
#include "app/mainform.h"
#include "clients/classmanageform.h"
#include "clients/clientaddform.h"
#include "clients/clientmanageform.h"
#include "clients/companyaddform.h"
#include "clients/companymanageform.h"
#include "clients/contractpanel.h"
#include "clients/emailform.h"
#include "clients/quickselcompanyform.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/globalform.h"
#include "core/login.h"
#include "core/session.h"
#include "core/skins.h"
#include "platform/grid.h"
#include "sales/orderaddform.h"
#include "sales/ordercheckform.h"
#include "sales/ordermanage.h"
#include "sales/orderprintform.h"
#include "sales/productaddform.h"
#include "sales/productmanage.h"
#include "sales/productmuladdform.h"
#include "sales/quickselproductfrom.h"
#include "tests/app/mainformtest.h"
#include "tests/app/windowtexts.h"
#include "tests/clients/clientlistdata.h"
#include "tests/clients/recordformtest.h"
#include "tests/support/fixtures.h"
#include "tests/support/modal.h"
#include "tests/support/skinfolder.h"
#include "tests/support/testrows.h"

namespace {

// The windows of clients and companies at each font size a user can choose: nothing covers a text
// box or a list, no text is cut, and repeated rows stand apart.
class WindowLayoutTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LogInAsAdmin();
        LoadShippedClassifications();
        CanSeeAllUser = true;
        AddClient(101, QStringLiteral("王小明"), QStringLiteral("wxm"), 1);
        AddContact(1, 101, 1, QStringLiteral("13912345678"));
        AddContact(2, 101, 5, QStringLiteral("wxm@example.com"));
        AddContact(3, 101, 6, QStringLiteral("http://www.example.com"));
    }

    static void setFontSize(int size)
    {
        UserFontSize = qint16(size);
        FoxTextHeight = size == 14 ? 360 : 330;
    }

    // Labels lie beside the text boxes and lists of their parent, never over them.
    static void expectLabelsBesideFields(const QWidget* window, int size)
    {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window))
                continue;
            for (const QWidget* sibling :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool field =
                    qobject_cast<const FoxTextBase*>(sibling) || qobject_cast<const QComboBox*>(sibling);
                if (field && sibling->isVisibleTo(window))
                    EXPECT_FALSE(label->geometry().intersects(sibling->geometry()))
                        << label->text().toStdString() << " over " << sibling->objectName().toStdString()
                        << " at " << size;
            }
        }
    }

    // Every single-line box shows a whole line of its font, every list is as high as its font needs.
    static void expectTextsWhole(const QWidget* window, int size)
    {
        for (const FoxText* box : window->findChildren<FoxText*>())
            EXPECT_GE(box->edit()->height(), QFontMetrics(box->edit()->font()).height())
                << box->objectName().toStdString() << " at " << size;
        for (const QComboBox* combo : window->findChildren<QComboBox*>()) {
            if (combo->isVisibleTo(window) && combo->font().pointSize() == size)
                EXPECT_GE(combo->height(), combo->sizeHint().height())
                    << combo->objectName().toStdString() << " at " << size;
        }
    }

    // Widgets given top down do not overlap.
    template <typename List> static void expectStacked(const List& widgets, int size, const char* what)
    {
        for (size_t i = 1; i < widgets.size(); ++i)
            EXPECT_GE(widgets[i]->y(), widgets[i - 1]->y() + widgets[i - 1]->height())
                << what << " " << i << " at " << size;
    }

    static void expectContactRowsApart(const ContractPanel* panel, int size)
    {
        std::vector<QWidget*> rows;
        for (int i = 1; i <= panel->ContractCount; ++i)
            rows.push_back(panel->ContractText[size_t(i)]);
        rows.push_back(panel->ContractText[0]);
        expectStacked(rows, size, "contact row");
        EXPECT_GE(panel->ContractCombo[0]->height(), panel->ContractCombo[0]->sizeHint().height()) << size;
    }

    // A toolbar caption fits on its button's face.
    static void expectCaptionsWhole(const std::vector<VsNetBut*>& buttons)
    {
        for (const VsNetBut* button : buttons) {
            const int room = int(button->width() * button->CaptionAreaPercent() / 100) - 4;
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->Caption()), room)
                << button->Caption().toStdString();
        }
    }
};

} // namespace

TEST_F(WindowLayoutTest, TextsFitAndNothingOverlapsAtEveryFontSize)
{
    for (int size : {9, 11, 14}) {
        setFontSize(size);

        auto client = std::make_unique<ClientAddForm>();
        client->ClientId = 101;
        client->show();
        expectLabelsBesideFields(client.get(), size);
        expectTextsWhole(client.get(), size);
        expectStacked(client->ClassCombo, size, "classification");
        expectContactRowsApart(client->Picture1, size);
        EXPECT_EQ(client->Picture1->ContractCount, 3);
        const QWidget* lastClass = client->ClassCombo.back();
        EXPECT_LE(lastClass->y() + lastClass->height(), client->ClassFrame->height()) << size;
        EXPECT_LE(client->Picture1->y() + client->Picture1->height(), client->height()) << size;
        // The longest identity number shows whole.
        EXPECT_GE(
            client->Text2->edit()->width(),
            QFontMetrics(client->Text2->edit()->font()).horizontalAdvance(QString(18, QLatin1Char('8'))))
            << size;

        auto company = std::make_unique<CompanyAddForm>();
        company->show();
        expectLabelsBesideFields(company.get(), size);
        expectTextsWhole(company.get(), size);

        auto list = std::make_unique<ClientManageForm>();
        list->show();
        expectLabelsBesideFields(list->ClassFrame, size);
        expectTextsWhole(list.get(), size);
        std::vector<QWidget*> filterRows{list->ClassCombo[0], list->ClassCombo[3], list->SelUserCombo};
        expectStacked(filterRows, size, "filter row");
        EXPECT_LE(list->FoxText1->y() + list->FoxText1->height(), list->ClassFrame->height()) << size;
        EXPECT_GE(list->Grid1->y(), list->ClassFrame->y() + list->ClassFrame->height()) << size;
        // A mobile number and a day show whole in the list.
        const QFontMetrics cells(list->Grid1->font());
        EXPECT_GT(list->Grid1->Column(5).Width(), cells.horizontalAdvance(QStringLiteral("13912345678")))
            << size;
        EXPECT_GT(list->Grid1->Column(4).Width(), cells.horizontalAdvance(QStringLiteral("1980-05-17")))
            << size;
        expectCaptionsWhole({list->VsNetBut2, list->VsNetBut3, list->VsNetBut4, list->VsNetBut5,
                             list->VsNetBut6, list->VsNetBut7, list->VsNetBut8, list->VsNetBut10,
                             list->VsNetBut9});

        auto companies = std::make_unique<CompanyManageForm>();
        companies->show();
        expectTextsWhole(companies.get(), size);
        EXPECT_GE(companies->Grid1->y(), companies->SelUserCombo->y() + companies->SelUserCombo->height())
            << size;
        expectCaptionsWhole(
            {companies->VsNetBut2, companies->VsNetBut3, companies->VsNetBut10, companies->VsNetBut9});
    }
}

namespace {

// Every window of the program, opened where the user opens it, under each skin and at each font size
// the user can choose: every text its controls show (labels, captions, drop-down entries, column
// headers, cells and loaded field texts) has the width its font needs.
class WindowTextsTest : public AppTest, public ::testing::WithParamInterface<int>
{
protected:
    using Inspect = std::function<void(QWidget*)>;
    // A window of the program as a user meets it: open shows it and hands it to inspect.
    struct WindowCase
    {
        const char* name;
        std::function<void(WindowTextsTest*, const Inspect&)> open;
    };

    void SetUp() override
    {
        AppTest::SetUp();
        PrepareProgramFolder(folder(), DatabasePath());
        OpenDatabase();
        AddSampleRecords();
        Conn.exec(QStringLiteral("update userdata set UserSkin = ? where userid = 1"), {GetParam()});
        CloseDatabase();
        ASSERT_TRUE(ApplySkin(GetParam()));
    }

    void TearDown() override
    {
        if (m_main)
            m_main->close();
        flush();
        qApp->setStyleSheet(QString());
        CurSkin = SkinInfo{};
        AppTest::TearDown();
    }

    // Closed windows take their frames along and go.
    static void flush()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A company with its contact entries, a client of it, affairs, products, a bundle, an order, a
    // second user and log entries, with texts of the lengths such records have.
    static void AddSampleRecords();

    void logInAndOpenMainWindow()
    {
        ASSERT_EQ(LogIn(1, QString()), LoginResult::LoggedIn);
        m_main = ShowMainForm();
        ASSERT_NE(m_main, nullptr);
    }

    // A list or analysis window: through its menu item, into the child-window area; act works in it
    // as a user does before it is looked at.
    template <typename Form>
    static WindowCase child(const char* name, QAction* MainForm::*item, std::function<void(Form*)> act = {})
    {
        return {name, [item, act](WindowTextsTest* t, const Inspect& inspect) {
                    (t->m_main->*item)->trigger();
                    QPointer<Form> form = GlobalForm<Form>::loaded();
                    ASSERT_TRUE(form) << "no child window " << Form::staticMetaObject.className();
                    if (act)
                        act(form);
                    inspect(form);
                    if (form)
                        form->close();
                    flush();
                }};
    }

    // A dialog as its opener prepares it (a record loaded by its key), shown on the main window.
    template <typename Form>
    static WindowCase dialog(const char* name, std::function<void(Form*)> prepare = {},
                             std::function<void(Form*)> act = {})
    {
        return {name, [prepare, act](WindowTextsTest* t, const Inspect& inspect) {
                    QPointer<Form> form = new Form(t->m_main);
                    if (prepare)
                        prepare(form);
                    form->show();
                    if (act)
                        act(form);
                    inspect(form);
                    delete form.data();
                    flush();
                }};
    }

public:
    QPointer<MainForm> m_main;
};

void WindowTextsTest::AddSampleRecords()
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    AddUserRow(2, QStringLiteral("陈经理"));
    Conn.exec(QStringLiteral("update userdata set UserEmail = 'wangxiaoming@163.com', UserEmailName = "
                             "'wangxiaoming', UserEmailSmtp = 'smtp.163.com' where userid = 1"));
    InsertRow(QStringLiteral("company"),
              {{QStringLiteral("companyid"), 301},
               {QStringLiteral("companyname"), QStringLiteral("厦门鹭江电子科技有限公司")},
               {QStringLiteral("companyPinyin"), QStringLiteral("xmljdzkjyxgs")},
               {QStringLiteral("CompanyShortName"), QStringLiteral("鹭江电子")},
               {QStringLiteral("Bank"), QStringLiteral("工商银行厦门分行")},
               {QStringLiteral("BankCode"), QStringLiteral("4100021309049123456")},
               {QStringLiteral("address"), QStringLiteral("湖滨南路388号国贸大厦")},
               {QStringLiteral("addresscode"), 350203},
               {QStringLiteral("createuser"), 1},
               {QStringLiteral("createDate"), today}});
    AddClientRow(101, QStringLiteral("欧阳建国"), 1,
                 {{QStringLiteral("ClientPinyin"), QStringLiteral("oyjg")},
                  {QStringLiteral("sex"), -1},
                  {QStringLiteral("personcard"), QStringLiteral("350203198005171234")},
                  {QStringLiteral("Birthday"), QStringLiteral("1980-05-17")},
                  {QStringLiteral("zipcode"), QStringLiteral("0592")},
                  {QStringLiteral("salary"), 12000},
                  {QStringLiteral("address"), QStringLiteral("湖滨南路388号")},
                  {QStringLiteral("addresscode"), 350203},
                  {QStringLiteral("GetCompany"), 301},
                  {QStringLiteral("getClientType"), 1},
                  {QStringLiteral("getClientStatus"), 1}});
    AddClientRow(102, QStringLiteral("林小姐"), 2, {{QStringLiteral("ClientPinyin"), QStringLiteral("lxj")}});
    const auto contact = [](int id, int owner, int kind, const char* text, bool company) {
        Conn.exec(QStringLiteral("insert into Contract (ContractID, GetID, GetContractClassID, ContractData, "
                                 "iscompany) values (?, ?, ?, ?, ?)"),
                  {id, owner, kind, QString::fromUtf8(text), company ? -1 : 0});
    };
    contact(1, 101, 1, "13912345678", false);
    contact(2, 101, 2, "0592-12345678", false);
    contact(3, 101, 5, "wangxiaoming@163.com", false);
    contact(4, 101, 4, "1234567890", false);
    contact(5, 101, 6, "http://www.example.com", false);
    contact(6, 301, 2, "0592-5123456", true);
    contact(7, 301, 5, "sales@example.com.cn", true);
    Conn.exec(
        QStringLiteral("insert into AffairRegular (AffairRegularId, AffairRegularname, RegularType, "
                       "RegularData, RemainDate, GetAffairClass, GetAffairSubject, GetClient, "
                       "RegularRemark, createuser, createDate) values (401, '每月回访重点客户', 3, '15', "
                       "3, 1, 2, 101, '询问使用情况', 1, ?)"),
        {today});
    Conn.exec(
        QStringLiteral("insert into affair (affairid, Affairname, AffairDate, RemainDate, GetAffairClass, "
                       "GetAffairSubject, GetClient, RegularRemark, createuser) values "
                       "(501, '电话回访欧阳建国', ?, 3, 1, 2, 101, '确认报价单', 1)"),
        {today});
    Conn.exec(QStringLiteral("insert into product (productid, productname, ProductNameEn, ProductPinyin, "
                             "ProductCost, ProductSell, GetProductUnit, createuser) values "
                             "(10001, '联想笔记本电脑', 'Lenovo notebook', 'lxbjbdn', 4500, 5999, 1, 1), "
                             "(10002, '无线鼠标', 'Wireless mouse', 'wxsb', 35, 59, 1, 1)"));
    Conn.exec(
        QStringLiteral("insert into productmul (productmulid, ProductMulName, ProductMulPinyin, createuser) "
                       "values (20001, '办公电脑套装', 'bgdntz', 1)"));
    Conn.exec(QStringLiteral("insert into ProductSinMul (ProductSinMulid, GetProductMul, GetProductSin, "
                             "GetProductSinCount) values (1, 20001, 10001, 1), (2, 20001, 10002, 2)"));
    Conn.exec(
        QStringLiteral("insert into orderdata (orderid, createuser, GetClient, GetCompany, OrderDate, "
                       "orderremark, OrderSell, realsell, ordercost, orderischeck, orderisover, overdate, "
                       "createDate) values (20240501, 1, 101, 301, ?, '月底前送货', 12115, 12000, 9140, "
                       "-1, -1, ?, ?)"),
        {today, today, today});
    // A second order, not yet finished, as the order list shows at first.
    Conn.exec(
        QStringLiteral("insert into orderdata (orderid, createuser, GetClient, GetCompany, OrderDate, "
                       "orderremark, OrderSell, realsell, ordercost, createDate) values (20240502, 1, 101, "
                       "301, ?, '', 6058, 6058, 4535, ?)"),
        {today, today});
    Conn.exec(
        QStringLiteral("insert into OrderProMain (OrderProMainID, GetOrderID, OrderProId, OrderProCount, "
                       "ismul) values (1, 20240501, 10001, 1, 0), (2, 20240501, 20001, 1, -1), "
                       "(3, 20240502, 10001, 1, 0), (4, 20240502, 10002, 1, 0)"));
    Conn.exec(QStringLiteral("insert into OrderProSin (OrderProSinID, GetOrderID, OrderProId, OrderProCount, "
                             "OrderProSell, OrderProcost) values (1, 20240501, 10001, 2, 5999, 4500), "
                             "(2, 20240501, 10002, 2, 59, 35), (3, 20240502, 10001, 1, 5999, 4500), "
                             "(4, 20240502, 10002, 1, 59, 35)"));
    int logId = 1;
    for (const auto& [operate, logClass, edited] : {std::tuple{1, 1, 101},
                                                    {2, 2, 301},
                                                    {1, 3, 401},
                                                    {1, 4, 501},
                                                    {1, 5, 10001},
                                                    {1, 6, 20001},
                                                    {1, 7, 20240501},
                                                    {1, 8, 20240501}})
        Conn.exec(QStringLiteral("insert into logdata values (?, 1, ?, ?, ?, ?)"),
                  {logId++, operate, logClass, edited, now});
}

} // namespace

TEST_P(WindowTextsTest, EveryTextOfEveryWindowShowsWholeAtEveryFontSize)
{
    // The login window, at the font size it sets for itself.
    {
        QPointer<LoginForm> login = new LoginForm;
        login->show();
        EXPECT_EQ(CutTexts(login), QList<CutText>());
        delete login.data();
    }
    logInAndOpenMainWindow();
    const auto pickCompany = [](ClientAddForm* form) {
        WhenModal<QuickSelCompanyForm>([](QuickSelCompanyForm* picker) {
            const QList<QListWidgetItem*> found =
                picker->List1->findItems(QStringLiteral("厦门鹭江"), Qt::MatchStartsWith);
            ASSERT_EQ(found.size(), 1);
            picker->List1->setCurrentItem(found.first());
            picker->Command1->click();
        });
        form->Command1->click();
    };
    const std::vector<WindowCase> windows{
        {"main window", [](WindowTextsTest* t, const Inspect& inspect) { inspect(t->m_main); }},
        child<ClientManageForm>("client list", &MainForm::ClientManageClick),
        child<CompanyManageForm>("company list", &MainForm::CompanyManageClick),
        child<AffairManageForm>("affair list", &MainForm::AffairManageClick),
        child<AffairRegularManageform>("recurring-affair list", &MainForm::AffairRegularClick),
        child<ProductManage>("product list", &MainForm::ProductManageClick),
        child<OrderManage>("order list, an order's lines shown", &MainForm::OrderManageClick,
                           [](OrderManage* f) {
                               f->Grid1->setActiveCell(1);
                               Q_EMIT f->Grid1->Click();
                           }),
        child<AnalyseForm3>("client analysis, every classification counted", &MainForm::AnalyseClientMenu,
                            [](AnalyseForm3* f) {
                                for (int i = int(f->AanBut.size()) - 1; i >= 0; --i)
                                    f->AanBut_Click(i);
                            }),
        child<AnalyseForm>("monthly analysis", &MainForm::MonthAnaClick),
        child<AnalyseForm>("monthly analysis, the last ranking", &MainForm::MonthAnaClick,
                           [](AnalyseForm* f) { f->AanBut_Click(int(f->AanBut.size()) - 1); }),
        child<AnalyseForm2>("trend analysis", &MainForm::YearAnaylseClick),
        child<AnalyseForm2>("trend analysis, the last trend", &MainForm::YearAnaylseClick,
                            [](AnalyseForm2* f) { f->AanBut_Click(int(f->AanBut.size()) - 1); }),
        child<LogManageForm>("log viewer", &MainForm::LogManageClick),
        dialog<ClientAddForm>("client dialog, new"),
        dialog<ClientAddForm>("client dialog, loaded", [](ClientAddForm* f) { f->ClientId = 101; }),
        dialog<ClientAddForm>("client dialog, company picked", {}, pickCompany),
        dialog<CompanyAddForm>("company dialog, loaded", [](CompanyAddForm* f) { f->CompanyId = 301; }),
        dialog<ClassManageForm>("classification editor",
                                [](ClassManageForm* f) {
                                    f->tabName = QStringLiteral("ClientStatus");
                                    f->setCaption(QStringLiteral("客户状态"));
                                }),
        dialog<QuickSelCompanyForm>("client picker",
                                    [](QuickSelCompanyForm* f) { f->SelTypeIsClient = true; }),
        dialog<QuickSelCompanyForm>("company picker"),
        dialog<EmailForm>("mail window"),
        dialog<AffairAddForm>("one-off affair dialog"),
        dialog<AffairRegularAdd>("recurring-affair dialog, loaded",
                                 [](AffairRegularAdd* f) { f->AffairRegularId = 401; }),
        dialog<AFairShowForm>("affair detail", [](AFairShowForm* f) { f->AffairID = 501; }),
        dialog<ProductAddForm>("product dialog, loaded", [](ProductAddForm* f) { f->GetProductId = 10001; }),
        dialog<ProductMulAddForm>("bundle dialog, loaded",
                                  [](ProductMulAddForm* f) { f->GetProductMulId = 20001; }),
        dialog<QuickSelProductFrom>("product picker"),
        dialog<QuickSelProductFrom>("bundle picker", [](QuickSelProductFrom* f) { f->IsProductMul = true; }),
        dialog<OrderAddform>("order dialog, loaded", [](OrderAddform* f) { f->OrderID = 20240501; }),
        dialog<OrderCheckForm>("order check", [](OrderCheckForm* f) { f->OrderID = 20240501; }),
        {"order sheet",
         [](WindowTextsTest* t, const Inspect& inspect) {
             t->m_main->OrderManageClick->trigger();
             QPointer<OrderManage> list = GlobalForm<OrderManage>::loaded();
             ASSERT_TRUE(list);
             list->FillOrderPrint(20240501);
             QPointer<OrderPrintForm> sheet = GlobalForm<OrderPrintForm>::loaded();
             sheet->show();
             inspect(sheet);
             delete sheet.data();
             list->close();
             flush();
         }},
        dialog<UserManage>("own settings"),
        dialog<GroupManageForm>("groups and users"),
        dialog<AboutForm>("about box"),
        {"input box",
         [](WindowTextsTest*, const Inspect& inspect) {
             WhileModal<FoxInputForm>(
                 [] {
                     ShowFoxInputForm(QStringLiteral("请输入公司名字："), QStringLiteral("更改公司"),
                                      QStringLiteral("厦门鹭江电子科技有限公司"), false, false, QString(),
                                      true);
                 },
                 [&inspect](FoxInputForm* form) { inspect(form); });
         }},
    };

    for (int k = 1; k <= 3; ++k) {
        m_main->FontSet[size_t(k)]->trigger();
        for (const WindowCase& w : windows) {
            SCOPED_TRACE(::testing::Message()
                         << w.name << " at font size " << UserFontSize << ", skin " << GetParam());
            w.open(this, [](QWidget* window) {
                ASSERT_TRUE(window);
                EXPECT_EQ(CutTexts(window), QList<CutText>());
            });
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySkin, WindowTextsTest, ::testing::Range(1, 10));
