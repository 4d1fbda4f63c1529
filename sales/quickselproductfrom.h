#pragma once

#include <memory>

#include <QDialog>

class FoxText;
class Grid;
class QPushButton;
class SearchBoxes;

// The picker of one product or bundle with a quantity, shown modal by QuickSelectProduct.
class QuickSelProductFrom : public QDialog
{
    Q_OBJECT

public:
    explicit QuickSelProductFrom(QWidget* parent = nullptr);
    ~QuickSelProductFrom() override;

    // Set by QuickSelectProduct before the picker loads.
    bool IsProductMul = false;    // list bundles instead of single products
    bool NotAllCountZero = false; // a quantity above 0 is required
    // The choice; 0 = nothing chosen.
    QString SelProductName;
    qint32 SelProductid = 0;
    qint32 SelProductCount = 0;

    FoxText* ProductId = nullptr;
    FoxText* ProductName = nullptr;
    QPushButton* Command4 = nullptr;
    Grid* Grid1 = nullptr;
    FoxText* FoxText1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Form_Load();
    void FillSelectList();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    bool SearchBusy = false;
    std::unique_ptr<SearchBoxes> m_search;
    bool m_loaded = false;
};

// Shows the picker of single products (SelectMul false) or bundles, with a quantity that must be
// above 0 when NeedCount is set, and hands back the chosen number, quantity and name; ProductID 0
// when the user cancelled or closed it.
void QuickSelectProduct(qint32& ProductID, qint32& Quantity, QString& ProductName, bool SelectMul,
                        bool NeedCount);
