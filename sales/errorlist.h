#pragma once

#include <QString>
#include <QStringList>

// The numbered errors of one save, shown together in one message box.
class ErrorList
{
public:
    // Appends a line: its number, then text (which starts with "、").
    void add(const QString& text) { m_lines.append(QString::number(m_lines.size() + 1) + text); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QStringList& lines() const { return m_lines; }
    // The whole message: a heading, the numbered lines and the request to mend them.
    QString message() const;

private:
    QStringList m_lines;
};
