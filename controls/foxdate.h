#pragma once

#include <QDate>
#include <QDateTime>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QWidget>

#include "controls/foxdategrid.h"
#include "controls/olecolor.h"

class QLabel;
class QScrollBar;
class PropertyBag;
class FoxDateFace;

// The month calendar with lunar days and solar terms. Windows use it as a drop-down date picker
// (see DateField): set SelDate, show it, read SelDate back on Click.
class FoxDate : public QWidget
{
    Q_OBJECT

public:
    explicit FoxDate(QWidget* parent = nullptr);

    // Day number of the cell under the mouse; -1 when the mouse is on the face off the cells.
    int MoveDay = 0;

    QString ChaCnDate(const QDate& GetDate, bool IsCnChr) const;
    QDateTime CurDateJieQi(int CurYear, int JieQiNum) const;

    OleColor NoCurMonth() const { return m_noCurMonth; }
    void setNoCurMonth(OleColor value);
    OleColor SunDayColor() const { return m_sunDayColor; }
    void setSunDayColor(OleColor value);
    OleColor SatDayColor() const { return m_satDayColor; }
    void setSatDayColor(OleColor value);
    OleColor CnMonthStarColor() const { return m_cnMonthStarColor; }
    void setCnMonthStarColor(OleColor value);
    OleColor JieQiColor() const { return m_jieQiColor; }
    void setJieQiColor(OleColor value);
    OleColor BackColor() const;
    void setBackColor(OleColor value);
    OleColor AllDateColor() const { return m_allDateColor; }
    void setAllDateColor(OleColor value);
    // The selected day; invalid for "no date". Setting it does not move the view.
    QDate SelDate() const { return m_selDate; }
    void setSelDate(const QDate& value);
    // Draws a triangle (DrawType 1) or a rectangle (2) over the cell of day GetDay of the shown
    // month; it stays until Cls or the next change of month.
    void DrawPic(int GetDay, int DrawType, OleColor DrawColor, int DrawWidth, int DrawStyle);
    // The pointer over the day cells: 0 default ... 15 as the original platform numbers them, 99 =
    // MouseIcon.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int value);
    QPixmap MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap& value);
    // What the scroll bars last set; setting them does not move the view.
    QVariant ShowYear() const { return m_showYear; }
    void setShowYear(const QVariant& value);
    QVariant ShowMonth() const { return m_showMonth; }
    void setShowMonth(const QVariant& value);
    // Clears what DrawPic drew.
    void Cls();

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    // The face's parts, named as on the face.
    QWidget* Picture1() const;
    QLabel* YearLab() const { return m_yearLab; }
    QScrollBar* VScroll1() const { return m_vScroll1; }
    QLabel* MonthLab() const { return m_monthLab; }
    QScrollBar* VScroll2() const { return m_vScroll2; }
    QLabel* Label10() const { return m_label10; }
    QLabel* Label11() const { return m_label11; }
    QLabel* Label1(int index) const { return m_label1.at(index); }
    // 0 to 41 the day numbers of the cells, 42 to 83 their lunar lines.
    QLabel* Label2(int index) const { return m_label2.at(index); }
    QWidget* Shape1() const { return m_shape1; }
    QWidget* Shape2() const { return m_shape2; }
    QWidget* Shape3() const { return m_shape3; }
    // Whether cell k holds a day of the shown month.
    bool InMonth(int cell) const;

Q_SIGNALS:
    void CurMonthDayOut(int Button, int Shift, float X, float Y);
    void Change();
    void MouseMove(int Button, int Shift, float X, float Y);
    void Click();
    // A property was set: the host should save it. Every setter marks its property; none of them
    // rebuilds the month shown.
    void propertyChanged(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFace();
    void onYearScroll(int value);
    void onMonthScroll(int value);
    // Shows year/month; clears the marks and raises Change when that is another month.
    bool showMonth(int year, int month);
    void buildGrid();
    void placeFrame(QWidget* frame, int cell);
    QPoint framePos(const QWidget* frame, int cell) const;
    void cellMouseMove(int cell, QMouseEvent* event);
    void faceMouseMove(QMouseEvent* event);
    void cellClick(int cell);
    QColor inkColor(FoxDateInk ink) const;
    template <typename T> void let(T& member, const T& value, const char* name);

    OleColor m_noCurMonth = 0x606060;
    OleColor m_sunDayColor = 255;
    OleColor m_satDayColor = 45056;
    OleColor m_cnMonthStarColor = 255;
    OleColor m_jieQiColor = 45056;
    OleColor m_allDateColor = 0;
    QDate m_selDate;
    int m_mousePointer = 0;
    QPixmap m_mouseIcon;
    QVariant m_showYear = 0;
    QVariant m_showMonth = 0;

    bool m_gridBuilt = false;
    FoxDateMonth m_grid;
    int m_pressedLabel = -1;

    FoxDateFace* m_face = nullptr;
    QLabel* m_yearLab = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    QLabel* m_monthLab = nullptr;
    QScrollBar* m_vScroll2 = nullptr;
    QLabel* m_label10 = nullptr;
    QLabel* m_label11 = nullptr;
    QVector<QLabel*> m_label1;
    QVector<QLabel*> m_label2;
    QWidget* m_shape1 = nullptr;
    QWidget* m_shape2 = nullptr;
    QWidget* m_shape3 = nullptr;
};
