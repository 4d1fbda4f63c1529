#pragma once

#include <array>

#include <QObject>
#include <QString>
#include <QTimer>

// What adoption asks of the window system; the X11 answers unless a test gives others.
class WindowLookup
{
public:
    virtual ~WindowLookup() = default;
    // The started program's first top-level window, or 0 when it has none (yet).
    virtual quintptr findProcessWindow(qint64 pid) = 0;
    // False once the window is gone.
    virtual bool isWindow(quintptr window) = 0;
};

// The text editor and the calculator that the main window starts and takes in (its buttons
// VsNetBut9(0) and VsNetBut9(1)). A pressed button stays disabled while its program's window is
// searched for and while the window is adopted; Timer1 notices, once a second, when an adopted
// window is gone and enables the button again.
class AdoptedPrograms : public QObject
{
    Q_OBJECT

public:
    static constexpr int Notepad = 0;
    static constexpr int Calc = 1;
    static constexpr int ToolCount = 2;

    explicit AdoptedPrograms(QObject* parent = nullptr);
    // lookup is not owned and must outlive this object.
    AdoptedPrograms(WindowLookup* lookup, QObject* parent);

    static QString programOf(int Index);
    static QString displayNameOf(int Index);

    // Button VsNetBut9(Index) pressed: starts its program and searches for the program's window.
    void VsNetBut9Click(int Index);
    // Starts the program; its process id, or 0 after the message that it was not found.
    qint64 RunToolInWindow(const QString& program, const QString& DisplayName);

    // The adopted windows; 0 = none.
    quintptr NotepadWindow() const { return m_tools[Notepad].window; }
    quintptr CalcWindow() const { return m_tools[Calc].window; }
    quintptr window(int Index) const;
    bool isButtonEnabled(int Index) const;
    bool isSearching(int Index) const;
    const QTimer& Timer1() const { return m_timer1; }

    // A started program's window is looked for at once, then every intervalMs until timeoutMs.
    void setSearchTiming(int intervalMs, int timeoutMs);

public Q_SLOTS:
    // The once-a-second watch over the adopted windows.
    void Timer1Timer();

Q_SIGNALS:
    void buttonEnabledChanged(int Index, bool enabled);
    // The program's window was found: the main window takes it in now.
    void windowFound(int Index, quintptr window);
    // The adopted window is gone: the main window removes what held it.
    void windowClosed(int Index, quintptr window);

private:
    struct Tool
    {
        bool enabled = true;
        quintptr window = 0;
        qint64 pid = 0;
        int searchesLeft = 0;
        QTimer search;
    };

    void searchAgain(int Index);
    void adopt(int Index, quintptr window);
    void setButtonEnabled(int Index, bool enabled);
    bool valid(int Index) const { return Index >= 0 && Index < ToolCount; }

    WindowLookup* m_lookup;
    std::array<Tool, ToolCount> m_tools;
    QTimer m_timer1;
    int m_searchInterval = 100;
    int m_searchTimeout = 5000;
};
