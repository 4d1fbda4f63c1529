#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <QString>
#include <QStringList>
#include <QVariantList>

#include "tests/support/fixtures.h"
#include "tests/support/modal.h"

class Grid;

// A sales test: a fresh database, user 1 logged in, and helpers that put rows in place directly.
class SalesTest : public AdminTest
{
protected:
    static void addProduct(qint32 id, const QString& name, double sell, double cost,
                           const QString& pinyin = QString(), const QString& nameEn = QString());
    static void addBundle(qint32 id, const QString& name, const QList<QPair<qint32, qint32>>& members,
                          const QString& pinyin = QString());
    static void addCompany(qint32 id, const QString& name);
    static void addClient(qint32 id, const QString& name, qint32 company = 0);
    static int count(const QString& sql, const QVariantList& params = {});
    // Each row of a query as its columns joined by "|".
    static QStringList rows(const QString& sql, const QVariantList& params = {});

    // The texts of a grid's data rows: of one column, or of columns first..last joined by "|".
    static QStringList gridColumn(const Grid* grid, int col);
    static QStringList gridRows(const Grid* grid, int first = 1, int last = -1);

    // Runs save on the shared connection in a second thread while another connection to the same
    // file holds the write lock with `otherWrite` done but not yet committed; commits it after a
    // moment and returns when the save has ended.
    void saveWhileAnotherUserWrites(const QString& otherWrite, const std::function<void()>& save);

    // Answers the next client or company picker with the row of id.
    static void whenPartyPicker(qint32 id);
};
