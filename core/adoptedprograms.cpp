#include "core/adoptedprograms.h"

#include "platform/prompts.h"
#include "platform/x11windows.h"

namespace {

class X11Lookup : public WindowLookup
{
public:
    quintptr findProcessWindow(qint64 pid) override { return FindProcessWindow(pid); }
    bool isWindow(quintptr window) override { return IsWindowAlive(window); }
};

X11Lookup& x11Lookup()
{
    static X11Lookup lookup;
    return lookup;
}

} // namespace

AdoptedPrograms::AdoptedPrograms(QObject* parent) : AdoptedPrograms(&x11Lookup(), parent) {}

AdoptedPrograms::AdoptedPrograms(WindowLookup* lookup, QObject* parent) : QObject(parent), m_lookup(lookup)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, &AdoptedPrograms::Timer1Timer);
    for (int k = 0; k < ToolCount; ++k) {
        m_tools[k].search.setInterval(m_searchInterval);
        connect(&m_tools[k].search, &QTimer::timeout, this, [this, k] { searchAgain(k); });
    }
}

QString AdoptedPrograms::programOf(int Index)
{
    return Index == Calc ? QStringLiteral("galculator") : QStringLiteral("l3afpad");
}

QString AdoptedPrograms::displayNameOf(int Index)
{
    return Index == Calc ? QStringLiteral("计算器") : QStringLiteral("记事本");
}

quintptr AdoptedPrograms::window(int Index) const
{
    return valid(Index) ? m_tools[Index].window : 0;
}

bool AdoptedPrograms::isButtonEnabled(int Index) const
{
    return valid(Index) && m_tools[Index].enabled;
}

bool AdoptedPrograms::isSearching(int Index) const
{
    return valid(Index) && m_tools[Index].search.isActive();
}

void AdoptedPrograms::setSearchTiming(int intervalMs, int timeoutMs)
{
    m_searchInterval = qMax(1, intervalMs);
    m_searchTimeout = qMax(0, timeoutMs);
    for (Tool& tool : m_tools)
        tool.search.setInterval(m_searchInterval);
}

void AdoptedPrograms::VsNetBut9Click(int Index)
{
    if (!valid(Index) || !m_tools[Index].enabled)
        return;
    const qint64 pid = RunToolInWindow(programOf(Index), displayNameOf(Index));
    if (pid == 0)
        return;
    Tool& tool = m_tools[Index];
    tool.pid = pid;
    // Disabled from the start, so that a second press cannot start a second copy during the search.
    setButtonEnabled(Index, false);
    if (const quintptr found = m_lookup->findProcessWindow(pid)) {
        adopt(Index, found);
        return;
    }
    // A program needs a moment to show its window; the search goes on for a few seconds.
    tool.searchesLeft = m_searchTimeout / m_searchInterval;
    if (tool.searchesLeft > 0)
        tool.search.start();
    else
        setButtonEnabled(Index, true);
}

qint64 AdoptedPrograms::RunToolInWindow(const QString& program, const QString& DisplayName)
{
    // GTK programs in a Wayland session must still open their windows on X11 to be taken in.
    if (IsX11Display() && qEnvironmentVariableIsEmpty("GDK_BACKEND"))
        qputenv("GDK_BACKEND", "x11");
    const qint64 pid = prompts().startProgram(program, {});
    if (pid <= 0) {
        MsgBox(QStringLiteral("系统未发现文件，无法打开") + DisplayName);
        return 0;
    }
    return pid;
}

void AdoptedPrograms::searchAgain(int Index)
{
    Tool& tool = m_tools[Index];
    if (const quintptr found = m_lookup->findProcessWindow(tool.pid)) {
        tool.search.stop();
        adopt(Index, found);
        return;
    }
    if (--tool.searchesLeft <= 0) {
        // Not found in time: the program runs outside the frame and the button is free again.
        tool.search.stop();
        setButtonEnabled(Index, true);
    }
}

void AdoptedPrograms::adopt(int Index, quintptr window)
{
    m_tools[Index].window = window;
    Q_EMIT windowFound(Index, window);
    m_timer1.start();
}

void AdoptedPrograms::Timer1Timer()
{
    for (int k = 0; k < ToolCount; ++k) {
        Tool& tool = m_tools[k];
        if (tool.window > 0 && !m_lookup->isWindow(tool.window)) {
            const quintptr gone = tool.window;
            tool.window = 0;
            setButtonEnabled(k, true);
            Q_EMIT windowClosed(k, gone);
        }
    }
    if (m_tools[Notepad].window == 0 && m_tools[Calc].window == 0)
        m_timer1.stop();
}

void AdoptedPrograms::setButtonEnabled(int Index, bool enabled)
{
    if (m_tools[Index].enabled == enabled)
        return;
    m_tools[Index].enabled = enabled;
    Q_EMIT buttonEnabledChanged(Index, enabled);
}
