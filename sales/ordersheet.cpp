#include "sales/ordersheet.h"

#include <algorithm>
#include <optional>

#include <QColor>
#include <QDate>
#include <QFontMetrics>

#include "core/dblayer.h"
#include "core/moneytochinese.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/printfont.h"
#include "sales/partynames.h"
#include "sales/salesgrid.h"
#include "sales/salesnumbers.h"

namespace {

constexpr int Cols = 8;
constexpr int TitleRow = 1;
constexpr int CaptionRow = 4;
constexpr int FirstLineRow = 5;

struct SheetOrder
{
    qint32 createuser;
    qint32 company;
    qint32 client;
    double sell;
    double realSell;
    QDate orderDate;
    QString remark;
};

std::optional<SheetOrder> readOrder(qint32 orderId)
{
    Statement st(Conn,
                 QStringLiteral("select createuser, GetCompany, GetClient, OrderSell, realsell, OrderDate, "
                                "orderremark from orderdata where orderid = ?"));
    st.bind({orderId});
    if (!st.step())
        return std::nullopt;
    return SheetOrder{st.value(0).toInt(),    st.value(1).toInt(),
                      st.value(2).toInt(),    st.value(3).toDouble(),
                      st.value(4).toDouble(), QDate::fromString(st.value(5).toString(), Qt::ISODate),
                      st.value(6).toString()};
}

// A row of one merged cell across columns 1 to 7.
void mergeRow(Grid* sheet, int row, int alignment)
{
    sheet->Range(row, 1, row, Cols - 1).Merge();
    sheet->Range(row, 1, row, Cols - 1).setAlignment(alignment);
}

QString amountLine(double amount)
{
    return QStringLiteral("￥%1    （人民币：%2）").arg(AmountText(amount), MoneyToChinese(amount));
}

// Makes a row as high as the wrapped text of its merged cell over columns first to last.
void fitRowToText(Grid* sheet, int row, int first, int last)
{
    int width = 0;
    for (int c = first; c <= last; ++c)
        width += sheet->Column(c).Width();
    // The cell keeps a few pixels of margin on each side. The row shows its text in the sheet's font
    // and prints it in the print font: it is as high as the taller of the two.
    int height = 0;
    for (const QFont& font : {sheet->font(), PrintFont(sheet->font())}) {
        const QRect text = QFontMetrics(font).boundingRect(
            QRect(0, 0, width - 8, 100000), Qt::AlignLeft | Qt::TextWordWrap, sheet->text(row, first));
        height = std::max(height, text.height());
    }
    sheet->setRowHeight(row, std::max(sheet->RowHeight(row), height + 6));
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

void BuildOrderSheet(Grid* sheet, const Grid* source, bool isMul, qint32 orderId)
{
    // The order row decides whether the sheet has a remark row, so it is read before the layout.
    const std::optional<SheetOrder> order = readOrder(orderId);
    const bool hasRemark = order && !TrimText(order->remark).isEmpty();
    const QString variant = isMul ? QStringLiteral("主单明细") : QStringLiteral("清单明细");

    // The head: captions, title, the two parties' rows and the captions again over the lines.
    sheet->setAutoRedraw(false);
    sheet->setRows(1);
    sheet->setCols(Cols);
    sheet->setRows(5);
    const int widths[Cols] = {30, 60, 60, 80, 300, 80, 80, 60};
    const QString captions[Cols] = {QString(),
                                    QString(),
                                    QStringLiteral("序号"),
                                    QStringLiteral("商品编号"),
                                    QStringLiteral("商品名称"),
                                    QStringLiteral("数量"),
                                    isMul ? QStringLiteral("类型") : QStringLiteral("单价"),
                                    QString()};
    for (int c = 0; c < Cols; ++c) {
        sheet->Column(c).setWidth(widths[c]);
        sheet->Column(c).setAlignment(c == 4 ? 6 : 10);
        sheet->Cell(0, c).setText(captions[c]);
    }
    FitColumn(sheet, 3, {WidestNumber});
    mergeRow(sheet, TitleRow, 10);
    sheet->Cell(TitleRow, 1).setText(OwnCompanyName + QStringLiteral("订单") + variant);
    sheet->Cell(TitleRow, 1).setFontSize(20);
    sheet->setRowHeight(TitleRow, 40);
    mergeRow(sheet, 2, 6);
    mergeRow(sheet, 3, 6);
    sheet->Range(CaptionRow, 1, CaptionRow, Cols - 1).setAlignment(10);
    sheet->Range(CaptionRow, 2, CaptionRow, Cols - 2).setBackColor(QColor(0xEE, 0xEE, 0xEE));
    for (int c = 2; c <= 6; ++c)
        sheet->Cell(CaptionRow, c).setText(captions[c]);
    sheet->Range(0, 0, 0, Cols - 1).setAlignment(10);
    sheet->setAutoRedraw(true);
    sheet->Refresh();

    // The lines, the two amounts, the delivery date, the remark and the signatures.
    sheet->setAutoRedraw(false);
    const int lines = source->Rows() - 1;
    const int r = lines + 7;
    sheet->setRows(r);
    for (int i = 1; i <= lines; ++i) {
        for (int j = 1; j <= 5 && j < source->Cols(); ++j)
            sheet->Cell(i + 4, j + 1).setText(source->text(i, j));
    }
    for (int row : {r - 2, r - 1}) {
        sheet->Range(row, 2, row, 3).Merge();
        sheet->Range(row, 2, row, 3).setAlignment(14);
        sheet->Range(row, 4, row, 6).Merge();
        sheet->Range(row, 4, row, 6).setAlignment(6);
        // Large amounts in capitals need more than one line.
        sheet->Range(row, 4, row, 6).setWrapText(true);
    }
    sheet->Cell(r - 2, 2).setText(QStringLiteral("合计金额："));
    sheet->Cell(r - 1, 2).setText(QStringLiteral("折扣金额："));
    sheet->setRows(r + 1);
    mergeRow(sheet, r, 6);
    if (hasRemark) {
        sheet->setRows(r + 2);
        mergeRow(sheet, r + 1, 5);
        sheet->Range(r + 1, 1, r + 1, Cols - 1).setWrapText(true);
    }
    const int signRow = sheet->Rows();
    sheet->setRows(signRow + 2);
    for (int row : {signRow, signRow + 1}) {
        mergeRow(sheet, row, 10);
        sheet->setRowHeight(row, 40);
    }
    GridPageSetup& page = sheet->PageSetup();
    page.Orientation = 1;
    page.LeftMargin = 0.8;
    page.RightMargin = 0.8;
    page.TopMargin = 1.0;
    page.BottomMargin = 1.0;
    page.Header.clear();
    page.Footer.clear();
    GridRange block = sheet->Range(CaptionRow, 2, r - 1, 6);
    for (int edge = 0; edge <= 3; ++edge)
        block.setBorders(edge, 2);
    block.setBorders(4, 1);
    block.setBorders(5, 1);

    if (order) {
        QString supplier = QStringLiteral("供方：%1     经办人：").arg(OwnCompanyName);
        supplier += UserName(order->createuser).value_or(QString());
        sheet->Cell(2, 1).setText(supplier);
        QString buyer = QStringLiteral("需方：");
        if (const std::optional<QString> company = CompanyName(order->company))
            buyer += *company + QStringLiteral("     经办人：");
        buyer += ClientName(order->client).value_or(QString());
        sheet->Cell(3, 1).setText(buyer);
        sheet->Cell(r - 2, 4).setText(amountLine(order->sell));
        sheet->Cell(r - 1, 4).setText(amountLine(order->realSell));
        fitRowToText(sheet, r - 2, 4, 6);
        fitRowToText(sheet, r - 1, 4, 6);
        sheet->Cell(r, 1).setText(QStringLiteral("交货日期：") +
                                  order->orderDate.toString(QStringLiteral("yyyy-MM-dd")));
        if (hasRemark) {
            sheet->Cell(r + 1, 1).setText(QStringLiteral("备注：") + order->remark);
            fitRowToText(sheet, r + 1, 1, Cols - 1);
        }
        sheet->Cell(signRow, 1)
            .setText(QStringLiteral("   供方签名：（盖章）") + blanks(31) +
                     QStringLiteral("需方签名：（盖章）"));
        const QString ymd =
            QStringLiteral("年") + blanks(6) + QStringLiteral("月") + blanks(6) + QStringLiteral("日");
        sheet->Cell(signRow + 1, 1).setText(blanks(7) + ymd + blanks(31) + ymd + blanks(2));
    }
    sheet->setAutoRedraw(true);
    sheet->Refresh();
}
