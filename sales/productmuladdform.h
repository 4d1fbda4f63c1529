#pragma once

#include <QDialog>

class FoxText;
struct LineGrid;
class Grid;
class QPushButton;
class VsNetBut;

// The bundle dialog: a new bundle or a stored one with its member products and their quantities.
// Shown modal; the caller sets GetProductMulId (and may disable VsNetBut2 and Command3) first.
class ProductMulAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ProductMulAddForm(QWidget* parent = nullptr);

    // The bundle to show; 0 = a new bundle. Set to 0 when its row is not found.
    qint32 GetProductMulId = 0;

    FoxText* ProductId = nullptr;
    FoxText* ProductName = nullptr;
    FoxText* ProductNameEn = nullptr;
    Grid* Grid1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;

    void Form_Load();
    // Fills the dialog from the stored bundle and its members, or empties it for a new one.
    void LoadProductMul();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void VsNetBut2_Click();
    LineGrid lines() const;

    bool m_loaded = false;
};
