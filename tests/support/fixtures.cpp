#include "tests/support/fixtures.h"

#include <QFile>

#include "core/dblayer.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "tests/support/testrows.h"

void CopyTemplateDatabase(const QString& path)
{
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(QStringLiteral(DEZAROD_TEMPLATE_DB), path)) << "template database missing";
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void AppTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    SetProgramFolder(m_dir.path());
    ResetSession();
    m_prompts.onUnexpected = [](const QString& what) {
        ADD_FAILURE() << "unexpected prompt: " << what.toStdString();
    };
    setPrompts(&m_prompts);
}

void AppTest::TearDown()
{
    EXPECT_EQ(m_prompts.pendingAnswers(), 0) << "prepared answers were never asked for";
    setPrompts(nullptr);
    SetProgramFolder(QString());
}

void DbTest::SetUp()
{
    AppTest::SetUp();
    CopyTemplateDatabase(DatabasePath());
    OpenDatabase();
}

void DbTest::TearDown()
{
    CloseDatabase();
    AppTest::TearDown();
}

void AdminTest::SetUp()
{
    DbTest::SetUp();
    LogInAsAdmin();
}
