#pragma once

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include "controls/vsnetbut.h"
#include "platform/grid.h"
#include "tests/support/fixtures.h"

// Clicks one of the program's buttons as a user does.
inline void Click(VsNetBut* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// How many pixels of an image are clearly coloured (not white, grey or black): bars and lines.
inline int ColouredPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.hsvSaturation() > 80 && c.value() > 40)
                ++count;
        }
    }
    return count;
}

// The texts of one grid row from column firstCol to the last.
inline QStringList RowTexts(Grid* grid, int row, int firstCol = 2)
{
    QStringList texts;
    for (int c = firstCol; c < grid->Cols(); ++c)
        texts.append(grid->Cell(row, c).Text());
    return texts;
}

template <typename Form> void ShowForm(Form& form)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
}

// The first page of a PDF file as an image (pdftoppm of poppler-utils, 50 dots per inch).
inline QImage PdfPageImage(const QString& pdf)
{
    const QString prefix = QFileInfo(pdf).absolutePath() + QStringLiteral("/page");
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, prefix});
    if (!process.waitForFinished(30000))
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}
