#include <cstdlib>

#include <signal.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include "core/adoptedprograms.h"
#include "platform/x11windows.h"
#include "tests/support/fixtures.h"

namespace {

// Windows that appear after a number of searches and vanish when told.
class FakeLookup : public WindowLookup
{
public:
    quintptr findProcessWindow(qint64 pid) override
    {
        ++searches[pid];
        if (searches[pid] <= searchesBeforeFound.value(pid, 0))
            return 0;
        return windowOf.value(pid, 0);
    }
    bool isWindow(quintptr window) override { return !gone.contains(window); }

    QHash<qint64, quintptr> windowOf;
    QHash<qint64, int> searchesBeforeFound;
    QHash<qint64, int> searches;
    QSet<quintptr> gone;
};

class AdoptedProgramsTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // Each program "starts" with the process id 100 + its number of starts.
        m_prompts.setProgramStarter([this](const QString& program, const QStringList&) {
            m_started << program;
            return qint64(100 + m_started.size());
        });
    }

    QStringList m_started;
    FakeLookup m_lookup;
};

} // namespace

TEST_F(AdoptedProgramsTest, ProgramThatCannotStartShowsTheMessageWithItsName)
{
    m_prompts.setProgramStarter({}); // nothing is started: process id 0
    AdoptedPrograms programs(&m_lookup, nullptr);
    QSignalSpy buttons(&programs, &AdoptedPrograms::buttonEnabledChanged);
    m_prompts.answerMessage(MsgResult::Ok);
    m_prompts.answerMessage(MsgResult::Ok);
    programs.VsNetBut9Click(AdoptedPrograms::Calc);
    programs.VsNetBut9Click(AdoptedPrograms::Notepad);

    EXPECT_EQ(m_prompts.messageTexts(), (QStringList{QStringLiteral("系统未发现文件，无法打开计算器"),
                                                     QStringLiteral("系统未发现文件，无法打开记事本")}));
    ASSERT_EQ(m_prompts.records().size(), 4);
    EXPECT_EQ(m_prompts.records().at(0).kind, ScriptedPrompts::Kind::Program);
    EXPECT_EQ(m_prompts.records().at(0).text, QStringLiteral("galculator"));
    EXPECT_EQ(m_prompts.records().at(2).text, QStringLiteral("l3afpad"));
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Notepad));
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Calc));
    EXPECT_EQ(buttons.count(), 0);
    EXPECT_FALSE(programs.Timer1().isActive());
    EXPECT_TRUE(m_lookup.searches.isEmpty());
}

TEST_F(AdoptedProgramsTest, MissingExecutableGivesNoProcess)
{
    m_prompts.setProgramStarter([](const QString&, const QStringList&) {
        qint64 pid = 0;
        QProcess::startDetached(QStringLiteral("/nonexistent/folder/l3afpad"), {}, QString(), &pid);
        return pid;
    });
    AdoptedPrograms programs(&m_lookup, nullptr);
    m_prompts.answerMessage(MsgResult::Ok);
    programs.VsNetBut9Click(AdoptedPrograms::Notepad);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("系统未发现文件，无法打开记事本"));
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Notepad));
}

TEST_F(AdoptedProgramsTest, WindowFoundAtOnceIsAdoptedUntilItCloses)
{
    m_lookup.windowOf[101] = 0x400001;
    AdoptedPrograms programs(&m_lookup, nullptr);
    QSignalSpy found(&programs, &AdoptedPrograms::windowFound);
    QSignalSpy closed(&programs, &AdoptedPrograms::windowClosed);
    programs.VsNetBut9Click(AdoptedPrograms::Notepad);

    EXPECT_EQ(m_started, QStringList{QStringLiteral("l3afpad")});
    EXPECT_EQ(programs.NotepadWindow(), quintptr(0x400001));
    EXPECT_FALSE(programs.isButtonEnabled(AdoptedPrograms::Notepad));
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Calc));
    EXPECT_TRUE(programs.Timer1().isActive());
    EXPECT_EQ(programs.Timer1().interval(), 1000);
    ASSERT_EQ(found.count(), 1);
    EXPECT_EQ(found.at(0).at(0).toInt(), AdoptedPrograms::Notepad);

    // A press on the disabled button starts nothing.
    programs.VsNetBut9Click(AdoptedPrograms::Notepad);
    EXPECT_EQ(m_started.size(), 1);

    programs.Timer1Timer();
    EXPECT_EQ(programs.NotepadWindow(), quintptr(0x400001));
    m_lookup.gone << 0x400001;
    programs.Timer1Timer();
    EXPECT_EQ(programs.NotepadWindow(), quintptr(0));
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Notepad));
    EXPECT_FALSE(programs.Timer1().isActive());
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(1).value<quintptr>(), quintptr(0x400001));
}

TEST_F(AdoptedProgramsTest, TimerRunsUntilBothWindowsAreGone)
{
    m_lookup.windowOf[101] = 11;
    m_lookup.windowOf[102] = 22;
    AdoptedPrograms programs(&m_lookup, nullptr);
    programs.VsNetBut9Click(AdoptedPrograms::Calc);
    programs.VsNetBut9Click(AdoptedPrograms::Notepad);
    EXPECT_EQ(m_started, (QStringList{QStringLiteral("galculator"), QStringLiteral("l3afpad")}));
    EXPECT_EQ(programs.CalcWindow(), quintptr(11));
    EXPECT_EQ(programs.NotepadWindow(), quintptr(22));

    m_lookup.gone << 22;
    programs.Timer1Timer();
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Notepad));
    EXPECT_FALSE(programs.isButtonEnabled(AdoptedPrograms::Calc));
    EXPECT_TRUE(programs.Timer1().isActive());

    m_lookup.gone << 11;
    programs.Timer1Timer();
    EXPECT_TRUE(programs.isButtonEnabled(AdoptedPrograms::Calc));
    EXPECT_FALSE(programs.Timer1().isActive());
}

TEST_F(AdoptedProgramsTest, SlowWindowIsFoundByTheRepeatedSearch)
{
    m_lookup.windowOf[101] = 33;
    m_lookup.searchesBeforeFound[101] = 3;
    AdoptedPrograms programs(&m_lookup, nullptr);
    programs.setSearchTiming(5, 5000);
    programs.VsNetBut9Click(AdoptedPrograms::Calc);
    // Not found by the immediate search: the button stays disabled while the search goes on.
    EXPECT_EQ(programs.CalcWindow(), quintptr(0));
    EXPECT_TRUE(programs.isSearching(AdoptedPrograms::Calc));
    EXPECT_FALSE(programs.isButtonEnabled(AdoptedPrograms::Calc));
    EXPECT_FALSE(programs.Timer1().isActive());

    EXPECT_TRUE(QTest::qWaitFor([&] { return programs.CalcWindow() != 0; }, 5000));
    EXPECT_EQ(programs.CalcWindow(), quintptr(33));
    EXPECT_EQ(m_lookup.searches[101], 4);
    EXPECT_FALSE(programs.isSearching(AdoptedPrograms::Calc));
    EXPECT_TRUE(programs.Timer1().isActive());
}

TEST_F(AdoptedProgramsTest, WindowNeverFoundFreesTheButtonAgain)
{
    AdoptedPrograms programs(&m_lookup, nullptr);
    programs.setSearchTiming(5, 50);
    QSignalSpy buttons(&programs, &AdoptedPrograms::buttonEnabledChanged);
    programs.VsNetBut9Click(AdoptedPrograms::Notepad);
    EXPECT_TRUE(QTest::qWaitFor([&] { return programs.isButtonEnabled(AdoptedPrograms::Notepad); }, 5000));
    EXPECT_EQ(programs.NotepadWindow(), quintptr(0));
    EXPECT_FALSE(programs.isSearching(AdoptedPrograms::Notepad));
    EXPECT_FALSE(programs.Timer1().isActive());
    EXPECT_EQ(m_lookup.searches[101], 11); // at once, then ten more
    EXPECT_EQ(buttons.count(), 2);
}

TEST(X11WindowsTest, WithoutX11NothingIsFoundOrEmbedded)
{
    if (IsX11Display())
        GTEST_SKIP() << "runs on a display without X11";
    EXPECT_EQ(FindProcessWindow(QCoreApplication::applicationPid()), quintptr(0));
    EXPECT_FALSE(IsWindowAlive(1));
    QWidget host;
    EXPECT_EQ(EmbedForeignWindow(0x200003, &host), nullptr);
}

namespace {

// The parent of a window on the X11 display, or 0.
xcb_window_t parentOf(quintptr window)
{
    auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    xcb_generic_error_t* error = nullptr;
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(c, xcb_query_tree(c, xcb_window_t(window)), &error);
    std::free(error);
    const xcb_window_t parent = reply ? reply->parent : 0;
    std::free(reply);
    return parent;
}

xcb_window_t rootWindow()
{
    auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The part that runs inside the X server started by the test below.
void adoptRealPrograms(ScriptedPrompts& prompts)
{
    ASSERT_TRUE(IsX11Display());
    QList<qint64> pids;
    prompts.setProgramStarter([&pids](const QString& program, const QStringList& arguments) {
        qint64 pid = 0;
        QProcess::startDetached(program, arguments, QString(), &pid);
        pids << pid;
        return pid;
    });
    EXPECT_EQ(FindProcessWindow(QCoreApplication::applicationPid() + 100000), quintptr(0));

    QWidget frame;
    frame.resize(800, 600);
    frame.show();
    AdoptedPrograms programs;
    QHash<int, QWidget*> containers;
    QObject::connect(&programs, &AdoptedPrograms::windowFound, [&](int k, quintptr window) {
        containers[k] = EmbedForeignWindow(window, &frame);
        ASSERT_NE(containers[k], nullptr);
        containers[k]->setGeometry(k * 400, 0, 400, 400);
        containers[k]->show();
    });
    QObject::connect(&programs, &AdoptedPrograms::windowClosed,
                     [&](int k, quintptr) { delete containers.take(k); });

    programs.VsNetBut9Click(AdoptedPrograms::Notepad);
    ASSERT_EQ(pids.size(), 1);
    ASSERT_GT(pids[0], 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return programs.NotepadWindow() != 0; }, 10000))
        << "l3afpad window not found";
    EXPECT_FALSE(programs.isButtonEnabled(AdoptedPrograms::Notepad));
    EXPECT_TRUE(programs.Timer1().isActive());
    EXPECT_TRUE(IsWindowAlive(programs.NotepadWindow()));
    // Taken out of the root into the frame.
    EXPECT_TRUE(QTest::qWaitFor([&] { return parentOf(programs.NotepadWindow()) != rootWindow(); }, 5000));

    const bool withCalc = !QStandardPaths::findExecutable(QStringLiteral("galculator")).isEmpty();
    if (withCalc) {
        programs.VsNetBut9Click(AdoptedPrograms::Calc);
        ASSERT_TRUE(QTest::qWaitFor([&] { return programs.CalcWindow() != 0; }, 10000))
            << "galculator window not found";
        EXPECT_NE(programs.CalcWindow(), programs.NotepadWindow());
    }

    const quintptr notepad = programs.NotepadWindow();
    ::kill(pid_t(pids[0]), SIGTERM);
    // The next tick of the one-second timer notices it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return programs.isButtonEnabled(AdoptedPrograms::Notepad); }, 2500));
    EXPECT_EQ(programs.NotepadWindow(), quintptr(0));
    EXPECT_FALSE(IsWindowAlive(notepad));
    if (withCalc) {
        EXPECT_TRUE(programs.Timer1().isActive());
        ::kill(pid_t(pids[1]), SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&] { return programs.isButtonEnabled(AdoptedPrograms::Calc); }, 2500));
    }
    EXPECT_FALSE(programs.Timer1().isActive());
    EXPECT_TRUE(containers.isEmpty());
}

} // namespace

using AdoptedProgramsX11Test = AppTest;

// Runs itself again as a child process on a private Xvfb display, where the X11 part runs.
TEST_F(AdoptedProgramsX11Test, TakesInTheEditorAndNoticesWhenItCloses)
{
    if (qEnvironmentVariableIsSet("DEZAROD_X11_CHILD")) {
        adoptRealPrograms(m_prompts);
        return;
    }
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    if (QStandardPaths::findExecutable(QStringLiteral("l3afpad")).isEmpty())
        GTEST_SKIP() << "l3afpad is not installed";

    // The server picks a free display number and writes it to its standard output when ready.
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    ASSERT_TRUE(server.waitForStarted(10000));
    QByteArray display;
    while (!display.contains('\n') && server.waitForReadyRead(10000))
        display += server.readAllStandardOutput();
    ASSERT_TRUE(display.contains('\n'))
        << "Xvfb did not start: " << server.readAllStandardError().toStdString();

    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(display.trimmed()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DEZAROD_X11_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=AdoptedProgramsX11Test.TakesInTheEditorAndNoticesWhenItCloses")});
    const bool finished = child.waitForFinished(90000);
    if (!finished)
        child.kill();
    const QString output = QString::fromLocal8Bit(child.readAll());
    server.terminate();
    server.waitForFinished(5000);

    ASSERT_TRUE(finished) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[       OK ] AdoptedProgramsX11Test")))
        << output.toStdString();
}
