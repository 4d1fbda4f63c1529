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
#include "tests/support/modal.h"
#include "tests/support/testrows.h"

// A database test with user 1 logged in (every right) and a fixed today.
class AffairTest : public AdminTest
{
protected:
    void SetUp() override
    {
        AdminTest::SetUp();
        CanSeeAllUser = true;
        SetAffairToday(today);
    }
    void TearDown() override
    {
        SetRandomIdSource({});
        SetAffairToday(QDate());
        DbTest::TearDown();
    }

    static void addUser(qint32 id, const QString& name) { AddUserRow(id, name); }
    static void addClient(qint32 id, const QString& name, const QVariant& birthday, qint32 owner = 1,
                          qint32 company = 0)
    {
        AddClientRow(id, name, owner,
                     {{QStringLiteral("Birthday"), birthday}, {QStringLiteral("GetCompany"), company}});
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
    WhileModal<QuickSelCompanyForm>(trigger, [&](QuickSelCompanyForm* picker) {
        const QList<QListWidgetItem*> found = picker->List1->findItems(name, Qt::MatchContains);
        ASSERT_EQ(found.size(), 1);
        picker->List1->setCurrentItem(found.first());
        picker->Command1->click();
    });
}
