#pragma once

#include <functional>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QVariant>

#include "app/loginform.h"
#include "app/mainform.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/login.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "core/skins.h"
#include "tests/support/fixtures.h"
#include "tests/support/modal.h"
#include "tests/support/skinfolder.h"

// A program folder as shipped: the new database and the skin files, the skin table read and no
// skin in force yet.
inline void PrepareProgramFolder(const QString& folder, const QString& databasePath)
{
    CopyTemplateDatabase(databasePath);
    CopySkinFiles(folder);
    InitSkinTable();
    CurSkin = SkinInfo{};
}

// A test of the running program: a program folder with the shipped database and skins, a user
// logged in as the login window does it, and the main window built and shown.
class MainFormTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        PrepareProgramFolder(folder(), DatabasePath());
        // As at start-up: the skin is in force before the first window opens.
        ASSERT_TRUE(ApplySkin(3));
    }

    void TearDown() override
    {
        if (MainForm* form = MainForm::instance())
            form->close();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<LoginForm*>(window))
                window->close();
        }
        flush();
        EXPECT_EQ(MainForm::instance(), nullptr);
        EXPECT_FALSE(Conn.isOpen());
        qApp->setStyleSheet(QString());
        CurSkin = SkinInfo{};
        AppTest::TearDown();
    }

    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Changes the database before the main window opens it.
    void change(const QString& sql, const QVariantList& params = {})
    {
        OpenDatabase();
        Conn.exec(sql, params);
        CloseDatabase();
    }
    // A second user in a group without any right.
    void addClerk(qint32 id = 2, const QString& name = QStringLiteral("clerk"))
    {
        change(QStringLiteral("insert or ignore into UserClass values (2, '业务员', 0, 0, 0, 0)"));
        change(QStringLiteral("insert into userdata (userid, username, userpass, GetUserClassID, UserSkin, "
                              "UserFontSize) values (?, ?, ?, 2, 3, 11)"),
               {id, name, ScramblePassword(QString())});
    }
    // What the login window's load and its login button do.
    void logIn(qint32 id = 1)
    {
        OpenDatabase();
        LoadOwnCompanyName();
        CloseDatabase();
        ASSERT_EQ(LogIn(id, QString()), LoginResult::LoggedIn);
    }
    MainForm* open()
    {
        m_form = ShowMainForm();
        return m_form;
    }

    void click(VsNetBut* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QMdiArea* area() const { return m_form->MdiArea; }
    QMdiSubWindow* subWindowOf(QWidget* form) const
    {
        return qobject_cast<QMdiSubWindow*>(form->parentWidget());
    }
    QVariant scalar(const QString& sql) { return Conn.scalar(sql); }

    // Runs trigger, which must show a modal window of type Form; inspect sees it, then it closes.
    template <typename Form>
    void whileModal(const std::function<void()>& trigger, const std::function<void(Form*)>& inspect)
    {
        WhileModal<Form>(trigger, inspect);
        flush();
    }

    QPointer<MainForm> m_form;
};
