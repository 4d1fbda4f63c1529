#pragma once

#include <memory>

#include <QWidget>

class FoxText;
class Grid;
class QGroupBox;
class QLabel;
class QPushButton;
class SearchBoxes;
class VsNetBut;

// The catalogue of products and bundles: a child window of the main window. Lists and searches
// both, shows the members of the selected bundle and opens the product and bundle dialogs;
// without CanChangeClass they open view-only.
class ProductManage : public QWidget
{
    Q_OBJECT

public:
    explicit ProductManage(QWidget* parent = nullptr);
    ~ProductManage() override;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    FoxText* ProductId = nullptr;
    FoxText* ProductName = nullptr;
    QPushButton* Command4 = nullptr;
    Grid* Grid1 = nullptr;
    FoxText* ProductMulId = nullptr;
    FoxText* ProductMulName = nullptr;
    QPushButton* Command1 = nullptr;
    Grid* Grid2 = nullptr;
    QLabel* Label4 = nullptr;
    Grid* Grid3 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut3 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut6 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;

    void Form_Load();
    void FillProductList();
    void FillProductMulList();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void Grid2_Click();
    void Grid1_DblClick();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void VsNetBut5_Click();
    void VsNetBut7_Click();

    bool SearchBusy = false;
    std::unique_ptr<SearchBoxes> m_productSearch;
    std::unique_ptr<SearchBoxes> m_bundleSearch;
    bool SkipNextDblClick = false;
    bool m_loaded = false;
};
