#pragma once

#include <functional>

#include <QApplication>
#include <QDate>
#include <QTimer>
#include <QWidget>
#include <QString>
#include <QVariant>

#include "affairs/affairtoday.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "tests/support/fixtures.h"

// A database test with user 1 logged in (every right) and a fixed today.
class AffairTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CurUserID = 1;
        CurUserName = QStringLiteral("admin");
        CanSeeAllUser = true;
        SetAffairToday(today);
    }
    void TearDown() override
    {
        SetRandomIdSource({});
        SetAffairToday(QDate());
        DbTest::TearDown();
    }

    static void addUser(qint32 id, const QString& name)
    {
        Conn.exec(QStringLiteral("insert into userdata (userid, username, GetUserClassID) values (?, ?, 1)"),
                  {id, name});
    }
    static void addClient(qint32 id, const QString& name, const QVariant& birthday, qint32 owner = 1,
                          qint32 company = 0)
    {
        Conn.exec(
            QStringLiteral("insert into client (clientid, clientname, Birthday, createuser, GetCompany) "
                           "values (?, ?, ?, ?, ?)"),
            {id, name, birthday, owner, company});
    }
    static void addRegular(qint32 id, const QString& name, int kind, const QString& data, int lead = 0,
                           qint32 client = 0, qint32 owner = 1, const QString& remark = QString())
    {
        Conn.exec(
            QStringLiteral("insert into AffairRegular (AffairRegularId, AffairRegularname, RegularType, "
                           "RegularData, RemainDate, GetAffairClass, GetAffairSubject, GetClient, "
                           "RegularRemark, createuser) values (?, ?, ?, ?, ?, 2, 3, ?, ?, ?)"),
            {id, name, kind, data, lead, client, remark, owner});
    }
    static void addAffair(qint32 id, const QString& name, const QDate& day, int lead = 0, qint32 regular = 0,
                          qint32 owner = 1, qint32 client = 0)
    {
        Conn.exec(QStringLiteral(
                      "insert into affair (affairid, Affairname, AffairDate, RemainDate, GetAffairClass, "
                      "GetAffairSubject, GetClient, GetAffairRegular, createuser) "
                      "values (?, ?, ?, ?, 1, 1, ?, ?, ?)"),
                  {id, name, day, lead, client, regular, owner});
    }
    // Runs trigger, which must show a modal window of type Form; act works in it, then it is closed
    // unless act closed it.
    template <typename Form>
    static void whileModal(const std::function<void()>& trigger, const std::function<void(Form*)>& act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* form = qobject_cast<Form*>(modal)) {
                seen = true;
                act(form);
            }
            if (QWidget* still = QApplication::activeModalWidget())
                still->close();
        });
        trigger();
        EXPECT_TRUE(seen) << "no modal " << Form::staticMetaObject.className();
    }
    // Answers the client picker (opened by trigger) with the client of that name.
    static void pickClient(const std::function<void()>& trigger, const QString& name);
    static qint64 count(const QString& where, const QVariantList& params = {})
    {
        return Conn.scalar(QStringLiteral("select count(*) from affair where ") + where, params).toLongLong();
    }

    // Tuesday 20 September 2011.
    const QDate today{2011, 9, 20};
};

#include <QListWidget>
#include <QPushButton>

#include "clients/quickselcompanyform.h"

inline void AffairTest::pickClient(const std::function<void()>& trigger, const QString& name)
{
    whileModal<QuickSelCompanyForm>(trigger, [&](QuickSelCompanyForm* picker) {
        const QList<QListWidgetItem*> found = picker->List1->findItems(name, Qt::MatchContains);
        ASSERT_EQ(found.size(), 1);
        picker->List1->setCurrentItem(found.first());
        picker->Command1->click();
    });
}
