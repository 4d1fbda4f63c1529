#pragma once

#include <QDialog>
#include <QHash>

class FoxText;
class QComboBox;
class QLabel;
class VsNetBut;

// The product dialog: adds a single product, or shows and changes one. Shown modal; the caller sets
// GetProductId (and may disable VsNetBut2) before showing it, and refreshes its own list after.
class ProductAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ProductAddForm(QWidget* parent = nullptr);

    // The product to show; 0 = a new product. Set to 0 when its row is not found.
    qint32 GetProductId = 0;

    // The text boxes by name (the names of the columns they are stored in).
    FoxText* box(const QString& name) const { return m_boxes.value(name); }
    QComboBox* Combo1 = nullptr;
    QLabel* SmallPackRemark = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;

    // The window's load; runs once, at the latest when the window is first shown.
    void Form_Load();
    // Fills the dialog from the stored product, or empties it for a new one.
    void LoadProduct();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildFrames();
    void VsNetBut2_Click();

    QHash<QString, FoxText*> m_boxes;
    bool m_loaded = false;
};
