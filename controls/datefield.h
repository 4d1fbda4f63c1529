#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include "controls/foxdate.h"

class FoxTextBase;
class QWidget;

// What a window says when the text of a date box reads as no date.
inline const QString UnreadableDateText = QStringLiteral("日期输入出错，请手动输入");
// Says so (text) and unlocks the box, so that the date can be typed by hand.
void ReportUnreadableDate(FoxTextBase* box, const QString& text = UnreadableDateText);

// The drop-down calendar of a window's date fields: a click in a field sets the calendar's SelDate
// to the field's date (today when the field is empty), places the calendar under the field and
// shows it; a click into the calendar (a day, an arrow) keeps it open and a picked day is written
// into the field and hides it; a focus that leaves both the field and the calendar hides it too.
// One calendar serves any number of fields.
//
// A field is a FoxText box or any widget with a text property ("Text" or "text", as QLineEdit has).
class DateField : public QObject
{
    Q_OBJECT

public:
    explicit DateField(FoxDate* calendar, QObject* parent = nullptr);

    // Adds a field; its index is what the signals report. A picked day is written in format.
    int addField(QWidget* field, const QString& format = QStringLiteral("yyyy-MM-dd"));

    FoxDate* calendar() const { return m_calendar; }
    QWidget* field(int index) const;
    // The field the calendar was last opened for; -1 before the first opening.
    int currentIndex() const { return m_current; }

    // The date a field's text stands for: "yyyy-mm-dd", "yyyy/mm/dd", "yyyy年mm月dd日", "yyyy-mm"
    // (its first day) or "mm月dd日" (in the year of today). Invalid when the text is none of these;
    // an empty text is today.
    static QDate readDate(const QString& text, const QDate& today);
    // The date typed in a box: as readDate against today, but an empty box is no date.
    static QDate readBox(const QString& text);

Q_SIGNALS:
    // The calendar was shown for field index.
    void opened(int index);
    // A day was picked and written into field index; the calendar is hidden.
    void picked(int index);
    // The text of field index is no date: the calendar stays hidden and the window tells the user.
    void unreadable(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field
    {
        QPointer<QWidget> widget;
        QString format;
    };

    int indexOf(const QObject* object) const;
    void open(int index);
    void onCalendarClick();
    void onFocusChanged(QWidget* old, QWidget* now);

    QPointer<FoxDate> m_calendar;
    QVector<Field> m_fields;
    int m_current = -1;
};
