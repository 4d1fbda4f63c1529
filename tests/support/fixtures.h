#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include <QString>
#include <QTemporaryDir>

#include "platform/scriptedprompts.h"

// Failed comparisons of texts print the text itself.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A test with scripted prompts and a temporary program folder; every prompt must be answered.
class AppTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return m_dir.path(); }
    QString pathOf(const QString& name) const { return m_dir.filePath(name); }

    ScriptedPrompts m_prompts;

private:
    QTemporaryDir m_dir;
};

// A test with its own copy of the shipped database in the program folder, opened as Conn.
class DbTest : public AppTest
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// A database test with user 1, "admin", logged in.
class AdminTest : public DbTest
{
protected:
    void SetUp() override;
};

// Copies a new database (built by the shipped schema and seed) to path.
void CopyTemplateDatabase(const QString& path);
