#pragma once

#include <QDate>
#include <QObject>
#include <QRect>
#include <QVector>

class DateField;
class FoxDate;
class FoxText;
class QLabel;
class QWidget;
class VsNetBut;

// The month field of the analysis windows: a "yyyy-mm" text box with a drop-down month calendar and
// buttons that step one month back or forward. A month picked in the calendar or stepped to asks
// the window to run its last analysis again; a month typed by hand counts at the next run.
class MonthInput : public QObject
{
    Q_OBJECT

public:
    // Builds the controls on window; caption is the label's text ("选择月份：", "终止月份：").
    MonthInput(QWidget* window, const QString& caption);

    QLabel* Label8 = nullptr;
    FoxText* Text3 = nullptr;
    FoxDate* FoxDate1 = nullptr;
    QVector<VsNetBut*> NextMonth; // 0 "上一月", 1 "下一月"

    // Sets the current month.
    void start();
    // The first day of the month in Text3; when the text reads as no month, tells the user and
    // returns an invalid date.
    QDate firstDay();

    // Places the label, text box and calendar from left, top (pixels); the area they take.
    QRect placeField(int left, int top);
    // Places the two step buttons side by side from left, top; the area they take.
    QRect placeSteps(int left, int top);

Q_SIGNALS:
    // The month was changed through the calendar or a step button.
    void rerun();

private:
    void NextMonth_Click(int Index);
    void Text3_Unreadable();
    void FoxDate1_Click();

    DateField* m_dateField = nullptr;
};
