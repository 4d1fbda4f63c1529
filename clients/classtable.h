#pragma once

#include <QList>
#include <QString>

// One value of a classification table: its label and its key.
struct ClassItem
{
    QString name;
    qint32 id = 0;

    bool operator==(const ClassItem&) const = default;
};

// A classification table T: key column T + "id", label T + "name", display order T + "getorder".
// The six client classifications, their names (ClientSixClass) and the units of measure
// (ProductUnit) all follow this scheme. Values are never deleted, so stored references stay valid.
// Works on the shared connection Conn.
class ClassTable
{
public:
    // The table that names the six client classifications.
    static const QString SixClassTable;
    // The order a new value gets until the next renumbering.
    static constexpr int NewValueOrder = 9999;
    static constexpr int MaxNameLength = 20;

    explicit ClassTable(const QString& tabName);

    QString tabName() const { return m_tabName; }
    QString idColumn() const { return m_tabName + QStringLiteral("id"); }
    QString nameColumn() const { return m_tabName + QStringLiteral("name"); }
    QString orderColumn() const { return m_tabName + QStringLiteral("getorder"); }
    // Every list of values reads the table in this order (rows of equal order in stored order).
    QString orderedSelect() const;

    // The values in display order; their stored orders are renumbered 1..n on the way.
    QList<ClassItem> loadAndRenumber();
    // Stores a new value with the given name, last in order; returns its key.
    qint32 add(const QString& name);
    // Gives the value with key id a new name; a key the table does not hold changes nothing.
    void rename(qint32 id, const QString& name);
    // Stores the order of ids (the list's order): the value at index k gets order k + 1. Values
    // the list does not show keep their order.
    void saveOrder(const QList<qint32>& ids);

    // Why a trimmed name cannot be stored in table tabName of the window captioned caption, or ""
    // when it can.
    static QString nameRefusal(const QString& tabName, const QString& caption, const QString& name);

private:
    QString quotedTable() const;

    QString m_tabName;
};
