#pragma once

#include <QDialog>

class FoxText;
class QLabel;
class VsNetBut;

// The input box: a prompt, one text box and the buttons "确 定" and "取 消". MyInputValue is what
// the box hands back: the typed text after "确 定" (or Enter in the text box), "" after "取 消",
// Escape or the close box.
class FoxInputForm : public QDialog
{
    Q_OBJECT

public:
    explicit FoxInputForm(QWidget* parent = nullptr);

    QString MyInputValue;

    QLabel* Label1 = nullptr;
    FoxText* FoxText1 = nullptr;
    VsNetBut* VsNetBut1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;

    // Places the parts below the prompt, whose height follows its text, and sizes the window.
    void arrange();

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void VsNetBut1_Click();
    void VsNetBut2_Click();
    void FoxText1_KeyPress(int& KeyAscii);
};

// Shows the input box modal and returns the typed text, or "" when the user cancels. OnlyNumber
// admits digits only, UserDot a decimal point as well; the first character of PasswordChar masks
// the text; SelAll selects the whole text when the box gets the focus.
QString ShowFoxInputForm(const QString& Prompt, const QString& Title, const QString& DefaultText,
                         bool OnlyNumber, bool UserDot, const QString& PasswordChar, bool SelAll);
