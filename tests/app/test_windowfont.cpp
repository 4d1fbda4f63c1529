// The faces the windows draw their text with, whatever the locale the tests run under.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRawFont>
#include <QTextLayout>

#include "app/mainform.h"
#include "clients/clientaddform.h"
#include "clients/clientmanageform.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/globalform.h"
#include "core/session.h"
#include "platform/grid.h"
#include "tests/app/mainformtest.h"

namespace {

// The faces that draw text in font, in alphabetical order, joined by " + ".
std::string facesOf(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString face = run.rawFont().familyName();
        if (!faces.contains(face))
            faces << face;
    }
    faces.sort();
    return faces.join(QStringLiteral(" + ")).toStdString();
}

const QString Chinese = QStringLiteral("欧阳建国用户直说骨");
const QString Latin = QStringLiteral("Wang Jianguo 13912345678 g@example.com");

// Chinese text in the Simplified Chinese forms of Noto Sans CJK SC (the locale would give it the
// Japanese face, or the CJK face to Latin text too), Latin text in DejaVu Sans.
void expectWindowFaces(const QWidget* control, const QFont& font, int size)
{
    const std::string where = control->objectName().toStdString() + " at " + std::to_string(size);
    EXPECT_EQ(facesOf(font, Chinese), "Noto Sans CJK SC") << where;
    EXPECT_EQ(facesOf(font, Latin), "DejaVu Sans") << where;
    EXPECT_EQ(facesOf(font, Latin + Chinese), "DejaVu Sans + Noto Sans CJK SC") << where;
}

bool inCalendar(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<const FoxDate*>(w))
            return true;
    }
    return false;
}

} // namespace

// The main window's menus and toolbar, a list and a dialog opened from it, at each font size.
TEST_F(MainFormTest, WindowsDrawChineseInSimplifiedFormsAndLatinInItsOwnFace)
{
    logIn();
    open();
    for (int item = 1; item <= 3; ++item) {
        m_form->FontSet[size_t(item)]->trigger();
        const int size = UserFontSize;
        expectWindowFaces(m_form->menuBar(), m_form->menuBar()->font(), size);
        expectWindowFaces(m_form->VsNetBut2, m_form->VsNetBut2->font(), size);

        click(m_form->VsNetBut2);
        auto* list = GlobalForm<ClientManageForm>::loaded();
        ASSERT_NE(list, nullptr);
        expectWindowFaces(list->Grid1, list->Grid1->font(), size);
        EXPECT_EQ(list->Grid1->font().pointSize(), size);
        expectWindowFaces(list->FoxText1, list->FoxText1->edit()->font(), size);
        expectWindowFaces(list->SelUserCombo, list->SelUserCombo->font(), size);
        expectWindowFaces(list->Label1, list->Label1->font(), size);
        subWindowOf(list)->close();
        flush();

        whileModal<ClientAddForm>([this] { m_form->ClientAddClick->trigger(); },
                                  [size](ClientAddForm* form) {
                                      expectWindowFaces(form->Text1, form->Text1->edit()->font(), size);
                                      EXPECT_EQ(form->Text1->edit()->font().pointSize(), size);
                                      // The calendar of the birthday box keeps its own Song face.
                                      for (const QLabel* label : form->findChildren<QLabel*>()) {
                                          if (!inCalendar(label))
                                              expectWindowFaces(label, label->font(), size);
                                      }
                                  });
    }
}
