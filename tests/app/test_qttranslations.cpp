#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTranslator>

#include "app/qttranslations.h"

TEST(QtTranslations, QtsOwnTextsAreChinese)
{
    ASSERT_EQ(InstallQtTranslations(), QStringList()) << "Debian package qt6-translations-l10n";

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));

    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(texts,
              (QStringList{"撤消(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除", "全选"}));

    EXPECT_EQ(QPrintPreviewDialog().windowTitle(), QStringLiteral("打印预览"));

    // The other tests of this program see Qt's texts as they were.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
}
