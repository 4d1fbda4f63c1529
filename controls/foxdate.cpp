#include "controls/foxdate.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>

#include "controls/chacndate.h"
#include "controls/solarterms.h"
#include "controls/vbinput.h"
#include "platform/propertybag.h"
#include "platform/twips.h"

namespace {

constexpr int px(int twips)
{
    return TwipsToPixels(twips);
}

// The face and its parts in twips.
constexpr int faceWidth = 3090;
constexpr int faceHeight = 3180;
constexpr int cellLeft = 60;
constexpr int cellTop = 750;
constexpr int cellStepX = 420;
constexpr int cellStepY = 390;
constexpr int cellWidth = 390;
constexpr int lineHeight = 180;
constexpr int frameHeight = 360;

QFont cjkFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QString::fromUtf8("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// The pointer numbers of the original platform.
QCursor pointerCursor(int pointer, const QPixmap& icon)
{
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    case 99:
        return icon.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(icon);
    default:
        return Qt::ArrowCursor;
    }
}

Qt::PenStyle penStyle(int drawStyle, int drawWidth)
{
    // As the original platform drew: dashes and dots only on one-pixel pens.
    if (drawStyle >= 1 && drawStyle <= 4 && drawWidth > 1)
        return Qt::SolidLine;
    switch (drawStyle) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

// One of the three cell frames; the mouse goes through it to the cell below. It stands around the
// cell, in the gap between cells, so that it never hides a stroke of the day or its lunar line.
class FoxDateFrame : public QWidget
{
public:
    FoxDateFrame(const QString& name, const QColor& color, Qt::PenStyle style, int width, QWidget* parent)
        : QWidget(parent), m_color(color), m_style(style), m_width(width)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(px(cellWidth) + 2 * width, px(frameHeight) + 2 * width);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(m_color, m_width, m_style);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        // The line's pixels are the outermost m_width rows and columns.
        const qreal half = m_width / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }

private:
    QColor m_color;
    Qt::PenStyle m_style;
    int m_width;
};

} // namespace

// The calendar's face: its background and the figures DrawPic draws.
class FoxDateFace : public QWidget
{
public:
    struct Mark
    {
        QVector<QLine> lines;
        QPen pen;
    };

    explicit FoxDateFace(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setMouseTracking(true);
    }

    OleColor back = 0x80DFFB;
    QVector<Mark> marks;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), OleToQColor(back));
        for (const Mark& mark : marks) {
            painter.setPen(mark.pen);
            painter.drawLines(mark.lines);
        }
    }
};

FoxDate::FoxDate(QWidget* parent) : QWidget(parent)
{
    buildFace();
    setFixedSize(px(faceWidth), px(faceHeight));
    // A click on a day or an arrow gives the calendar the focus. Its parts take none, so the
    // focus would otherwise go to whatever holds it further up (a child window's frame), and the
    // host's date field would take that for the focus leaving it.
    setFocusPolicy(Qt::ClickFocus);
}

void FoxDate::buildFace()
{
    m_face = new FoxDateFace(this);
    m_face->setGeometry(0, 0, px(faceWidth), px(faceHeight));
    m_face->installEventFilter(this);

    const auto label = [this](const QString& name, int left, int top, int width, int height) {
        auto* widget = new QLabel(m_face);
        widget->setObjectName(name);
        widget->setGeometry(px(left), px(top), px(width), px(height));
        widget->setAttribute(Qt::WA_NoMousePropagation);
        return widget;
    };
    const auto scrollBar = [this](const QString& name, int left, int minimum, int maximum) {
        auto* bar = new QScrollBar(Qt::Vertical, m_face);
        bar->setObjectName(name);
        bar->setGeometry(px(left), 0, px(255), px(450));
        bar->setRange(minimum, maximum);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        return bar;
    };

    m_yearLab = label(QStringLiteral("YearLab"), 75, 150, 420, 210);
    m_vScroll1 = scrollBar(QStringLiteral("VScroll1"), 540, FoxDateFirstYear, FoxDateLastYear);
    m_monthLab = label(QStringLiteral("MonthLab"), 885, 150, 210, 210);
    m_vScroll2 = scrollBar(QStringLiteral("VScroll2"), 1080, 0, 13);
    m_vScroll2->setValue(1);
    m_label10 = label(QStringLiteral("Label10"), 1800, 60, 1215, 255);
    m_label11 = label(QStringLiteral("Label11"), 1800, 300, 1215, 255);
    for (QLabel* line : {m_label10, m_label11})
        line->setFont(cjkFont(10, false));
    for (QLabel* number : {m_yearLab, m_monthLab})
        number->setFont(cjkFont(11, false));
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &FoxDate::onYearScroll);
    connect(m_vScroll2, &QScrollBar::valueChanged, this, &FoxDate::onMonthScroll);

    const char* const weekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
    for (int i = 0; i < 7; ++i) {
        QLabel* header =
            label(QStringLiteral("Label1"), cellLeft + cellStepX * i, 540, cellWidth, lineHeight);
        header->setText(QString::fromUtf8(weekdays[i]));
        header->setAlignment(Qt::AlignCenter);
        header->setFont(cjkFont(12, false));
        m_label1 << header;
    }

    for (int i = 0; i < 2 * FoxDateCells; ++i) {
        const int cell = i % FoxDateCells;
        const bool lunar = i >= FoxDateCells;
        auto* text = new QLabel(m_face);
        text->setObjectName(QStringLiteral("Label2"));
        text->setGeometry(px(cellLeft + cellStepX * (cell % 7)),
                          px(cellTop + cellStepY * (cell / 7) + (lunar ? lineHeight : 0)), px(cellWidth),
                          px(lineHeight));
        text->setAlignment(lunar ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        text->setFont(cjkFont(lunar ? 11 : 12, !lunar));
        text->setMouseTracking(true);
        text->installEventFilter(this);
        m_label2 << text;
    }

    m_shape1 = new FoxDateFrame(QStringLiteral("Shape1"), QColor(0x80, 0x80, 0x80), Qt::DashLine, 1, m_face);
    m_shape2 = new FoxDateFrame(QStringLiteral("Shape2"), QColor(0xFF, 0x00, 0x00), Qt::SolidLine, 1, m_face);
    m_shape3 = new FoxDateFrame(QStringLiteral("Shape3"), QColor(0x00, 0x00, 0xFF), Qt::SolidLine, 2, m_face);
}

QWidget* FoxDate::Picture1() const
{
    return m_face;
}

QString FoxDate::ChaCnDate(const QDate& GetDate, bool IsCnChr) const
{
    return ::ChaCnDate(GetDate, IsCnChr);
}

QDateTime FoxDate::CurDateJieQi(int CurYear, int JieQiNum) const
{
    return ::CurDateJieQi(CurYear, JieQiNum);
}

template <typename T> void FoxDate::let(T& member, const T& value, const char* name)
{
    member = value;
    Q_EMIT propertyChanged(QLatin1String(name));
}

void FoxDate::setNoCurMonth(OleColor value)
{
    let(m_noCurMonth, value, "NoCurMonth");
}

void FoxDate::setSunDayColor(OleColor value)
{
    let(m_sunDayColor, value, "SunDayColor");
}

void FoxDate::setSatDayColor(OleColor value)
{
    let(m_satDayColor, value, "SatDayColor");
}

void FoxDate::setCnMonthStarColor(OleColor value)
{
    let(m_cnMonthStarColor, value, "CnMonthStarColor");
}

void FoxDate::setJieQiColor(OleColor value)
{
    let(m_jieQiColor, value, "JieQiColor");
}

OleColor FoxDate::BackColor() const
{
    return m_face->back;
}

void FoxDate::setBackColor(OleColor value)
{
    // The face's own background: it shows at once.
    let(m_face->back, value, "BackColor");
    m_face->update();
}

void FoxDate::setAllDateColor(OleColor value)
{
    let(m_allDateColor, value, "AllDateColor");
}

void FoxDate::setSelDate(const QDate& value)
{
    let(m_selDate, value, "SelDate");
}

void FoxDate::setMousePointer(int value)
{
    let(m_mousePointer, value, "MousePointer");
}

void FoxDate::setMouseIcon(const QPixmap& value)
{
    let(m_mouseIcon, value, "MouseIcon");
}

void FoxDate::setShowYear(const QVariant& value)
{
    let(m_showYear, value, "ShowYear");
}

void FoxDate::setShowMonth(const QVariant& value)
{
    let(m_showMonth, value, "ShowMonth");
}

bool FoxDate::InMonth(int cell) const
{
    return cell >= 0 && cell < FoxDateCells && m_grid.cells[cell].inMonth;
}

void FoxDate::DrawPic(int GetDay, int DrawType, OleColor DrawColor, int DrawWidth, int DrawStyle)
{
    const int width = DrawWidth == 0 ? 2 : DrawWidth;
    const int style = DrawStyle < 7 ? DrawStyle : 0;
    const int cell = FoxDateCellOfDay(m_vScroll1->value(), m_vScroll2->value(), GetDay);
    if (cell < 0 || (DrawType != 1 && DrawType != 2))
        return;

    const QRect day = m_label2.at(cell)->geometry();
    const int x = day.x(), y = day.y(), w = day.width(), h2 = 2 * day.height();
    FoxDateFace::Mark mark;
    mark.pen = QPen(OleToQColor(DrawColor), width, penStyle(style, width));
    if (DrawType == 1)
        mark.lines = {QLine(x + w / 2, y, x, y + h2), QLine(x + w / 2, y, x + w, y + h2),
                      QLine(x, y + h2, x + w, y + h2)};
    else
        mark.lines = {QLine(x, y, x + w, y), QLine(x + w, y, x + w, y + h2), QLine(x + w, y + h2, x, y + h2),
                      QLine(x, y + h2, x, y)};
    m_face->marks << mark;
    m_face->update();
}

void FoxDate::Cls()
{
    m_face->marks.clear();
    m_face->update();
}

void FoxDate::readProperties(const PropertyBag& bag)
{
    m_noCurMonth = bag.read(QStringLiteral("NoCurMonth"), 0x606060).toInt();
    m_sunDayColor = bag.read(QStringLiteral("SunDayColor"), 255).toInt();
    m_satDayColor = bag.read(QStringLiteral("SatDayColor"), 45056).toInt();
    m_cnMonthStarColor = bag.read(QStringLiteral("CnMonthStarColor"), 255).toInt();
    m_jieQiColor = bag.read(QStringLiteral("JieQiColor"), 45056).toInt();
    m_face->back = bag.read(QStringLiteral("BackColor"), 0x80DFFB).toInt();
    m_face->update();
    m_allDateColor = bag.read(QStringLiteral("AllDateColor"), 0).toInt();
    m_selDate = bag.read(QStringLiteral("SelDate"), QDate()).toDate();
    m_mousePointer = bag.read(QStringLiteral("MousePointer"), 0).toInt();
    m_mouseIcon = bag.read(QStringLiteral("MouseIcon"), QVariant()).value<QPixmap>();
    m_showYear = bag.read(QStringLiteral("ShowYear"), 0);
    m_showMonth = bag.read(QStringLiteral("ShowMonth"), 0);
}

void FoxDate::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("NoCurMonth"), m_noCurMonth, 0x606060);
    bag.write(QStringLiteral("SunDayColor"), m_sunDayColor, 255);
    bag.write(QStringLiteral("SatDayColor"), m_satDayColor, 45056);
    bag.write(QStringLiteral("CnMonthStarColor"), m_cnMonthStarColor, 255);
    bag.write(QStringLiteral("JieQiColor"), m_jieQiColor, 45056);
    bag.write(QStringLiteral("BackColor"), BackColor(), 0x80DFFB);
    bag.write(QStringLiteral("AllDateColor"), m_allDateColor, 0);
    bag.write(QStringLiteral("SelDate"), m_selDate, QDate());
    bag.write(QStringLiteral("MousePointer"), m_mousePointer, 0);
    bag.write(QStringLiteral("MouseIcon"), m_mouseIcon.isNull() ? QVariant() : QVariant(m_mouseIcon),
              QVariant());
    bag.write(QStringLiteral("ShowYear"), m_showYear, 0);
    bag.write(QStringLiteral("ShowMonth"), m_showMonth, 0);
}

void FoxDate::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_selDate.isValid())
        m_selDate = QDate::currentDate();
    int year = 0, month = 0;
    FoxDateClampMonth(m_selDate, year, month);
    // Every showing builds, so that the selection frame stands on SelDate.
    if (!showMonth(year, month))
        buildGrid();
}

void FoxDate::onYearScroll(int value)
{
    showMonth(value, m_vScroll2->value());
}

void FoxDate::onMonthScroll(int value)
{
    int year = m_vScroll1->value();
    int month = value;
    // 0 and 13 step into the neighbouring year; the first and last month of the range stay put.
    if (value == 0) {
        if (year > FoxDateFirstYear) {
            --year;
            month = 12;
        } else {
            month = 1;
        }
    } else if (value == 13) {
        if (year < FoxDateLastYear) {
            ++year;
            month = 1;
        } else {
            month = 12;
        }
    }
    showMonth(year, month);
}

bool FoxDate::showMonth(int year, int month)
{
    {
        const QSignalBlocker yearBlocker(m_vScroll1);
        const QSignalBlocker monthBlocker(m_vScroll2);
        m_vScroll1->setValue(year);
        m_vScroll2->setValue(month);
    }
    m_showYear = year;
    m_showMonth = month;
    m_yearLab->setText(QString::number(year));
    m_monthLab->setText(QString::number(month));
    if (m_gridBuilt && m_grid.year == year && m_grid.month == month)
        return false;
    Cls();
    buildGrid();
    Q_EMIT Change();
    return true;
}

QColor FoxDate::inkColor(FoxDateInk ink) const
{
    switch (ink) {
    case FoxDateInk::NoCurMonth:
        return OleToQColor(m_noCurMonth);
    case FoxDateInk::SunDay:
        return OleToQColor(m_sunDayColor);
    case FoxDateInk::SatDay:
        return OleToQColor(m_satDayColor);
    case FoxDateInk::CnMonthStar:
        return OleToQColor(m_cnMonthStarColor);
    case FoxDateInk::JieQi:
        return OleToQColor(m_jieQiColor);
    case FoxDateInk::AllDate:
        break;
    }
    return OleToQColor(m_allDateColor);
}

void FoxDate::buildGrid()
{
    m_gridBuilt = false;
    m_grid = BuildFoxDateMonth(m_vScroll1->value(), m_vScroll2->value(), m_selDate, QDate::currentDate());
    for (int k = 0; k < FoxDateCells; ++k) {
        const FoxDateCell& cell = m_grid.cells[k];
        QLabel* day = m_label2.at(k);
        QLabel* lunar = m_label2.at(FoxDateCells + k);
        day->setText(QString::number(cell.date.day()));
        setTextColor(day, inkColor(cell.dayInk));
        lunar->setText(cell.lunarText);
        setTextColor(lunar, inkColor(cell.lunarInk));
    }
    m_label10->setText(m_grid.jieQiLine1);
    m_label11->setText(m_grid.jieQiLine2);
    // The hover frame would stand on a cell of the month before.
    m_shape1->hide();
    placeFrame(m_shape2, m_grid.todayCell);
    placeFrame(m_shape3, m_grid.selectedCell);
    m_gridBuilt = true;
}

void FoxDate::placeFrame(QWidget* frame, int cell)
{
    if (cell < 0) {
        frame->hide();
        return;
    }
    frame->move(framePos(frame, cell));
    frame->raise();
    frame->show();
}

QPoint FoxDate::framePos(const QWidget* frame, int cell) const
{
    // The frame's line lies just outside the cell.
    const int line = (frame->width() - m_label2.at(cell)->width()) / 2;
    return m_label2.at(cell)->pos() - QPoint(line, line);
}

bool FoxDate::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == m_face) {
        if (type == QEvent::MouseMove)
            faceMouseMove(mouse);
        return false;
    }
    const int index = m_label2.indexOf(static_cast<QLabel*>(watched));
    if (index < 0)
        return QWidget::eventFilter(watched, event);

    const int cell = index % FoxDateCells;
    if (!InMonth(cell)) // days of the neighbouring months do nothing
        return true;
    switch (type) {
    case QEvent::MouseMove:
        cellMouseMove(cell, mouse);
        break;
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            m_pressedLabel = index;
        break;
    default:
        // A click is a press and a release on the same text.
        if (mouse->button() == Qt::LeftButton && m_pressedLabel == index &&
            m_label2.at(index)->rect().contains(mouse->position().toPoint()))
            cellClick(cell);
        m_pressedLabel = -1;
        break;
    }
    return true;
}

void FoxDate::cellMouseMove(int cell, QMouseEvent* event)
{
    const QCursor cursor = pointerCursor(m_mousePointer, m_mouseIcon);
    m_label2.at(cell)->setCursor(cursor);
    m_label2.at(FoxDateCells + cell)->setCursor(cursor);
    if (m_shape1->isVisible() && m_shape1->pos() == framePos(m_shape1, cell))
        return;
    placeFrame(m_shape1, cell);
    MoveDay = m_grid.cells[cell].date.day();
    const QPointF at = event->position() * TwipsPerPixel;
    Q_EMIT MouseMove(VbButton(event->buttons()), VbShift(event->modifiers()), float(at.x()), float(at.y()));
}

void FoxDate::faceMouseMove(QMouseEvent* event)
{
    if (m_shape1->isVisible()) {
        m_shape1->hide();
        MoveDay = -1;
    }
    const QPointF at = event->position() * TwipsPerPixel;
    Q_EMIT CurMonthDayOut(VbButton(event->buttons()), VbShift(event->modifiers()), float(at.x()),
                          float(at.y()));
}

void FoxDate::cellClick(int cell)
{
    m_selDate = QDate(m_vScroll1->value(), m_vScroll2->value(), m_grid.cells[cell].date.day());
    placeFrame(m_shape3, cell);
    if (m_gridBuilt)
        Q_EMIT Click();
}
