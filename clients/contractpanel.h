#pragma once

#include <vector>

#include <QList>
#include <QWidget>

#include "clients/contractrows.h"

class FoxText;
class QComboBox;
class QPushButton;
class QScrollBar;
class VsNetBut;

// The contact panel of the client and company dialogs (Picture1): a scrolling inner panel
// (Picture2) with one row of controls per contact entry and, below the last shown row, the entry
// row (index 0) where the user picks a kind and types a new entry. A row is a kind list
// (ContractCombo), the entry's text (ContractText), a delete button (ContractDel, whose Caption
// holds the row's key, pushed out of sight) and an action button (ContractCommand) captioned by
// its kind: open the web page, send a mail or a QQ message (OpenLink).
//
// Rows 1..ContractCount are built at run time: by LoadContracts, and when the user leaves the
// entry row or presses Enter in it with text typed. A removed row is only hidden. Nothing is
// written until the owner saves (Entries, then SaveContracts). Geometry in twips: rows stacked
// from 120 in steps of h + 60 (h = the height of ContractCombo(0)); the scroll bar VS1 moves the
// inner panel in steps of 120.
//
// The owner calls LoadKinds once at its load, then LoadContracts; its reset calls ResetRows and
// LoadContracts again.
class ContractPanel : public QWidget
{
    Q_OBJECT

public:
    // Client: LoadContracts shows the company's entries too, read-only. Company: its own only.
    enum class Owner
    {
        Client,
        Company
    };

    ContractPanel(Owner owner, QWidget* parent = nullptr);

    // Fills the kind list of the entry row (display order) and selects the first kind.
    void LoadKinds();
    // Builds the rows of the stored entries: for a client its own and then its company's
    // (companyId); for a company its own (companyId unused).
    void LoadContracts(qint32 ownerId, qint32 companyId = 0);
    // Sizes the inner panel to its rows and sets up the scroll bar.
    void ArrangeRows();
    // Back to no run-time rows: the rows are unloaded, the scroll bar at 0 and disabled.
    void ResetRows();

    // The rows 1..ContractCount as they stand (removed ones included).
    QList<ContractEntry> Entries() const;
    // Writes a row's text back (after trimming or completion at save).
    void SetEntryText(int index, const QString& text);

    // h: the height of a row in twips.
    int RowHeight() const;
    // The width in twips the panel needs for its rows and its scroll bar: the kind lists are as
    // wide as the kinds' names need in their font (known from LoadKinds on).
    int NeededWidth() const;

    QWidget* Picture2 = nullptr;
    QScrollBar* VS1 = nullptr;
    std::vector<QComboBox*> ContractCombo;
    std::vector<FoxText*> ContractText;
    std::vector<VsNetBut*> ContractDel;
    std::vector<QPushButton*> ContractCommand;
    int ContractCount = 0;
    // Set while rows are built: a change of kind is ignored then.
    bool ContractBusy = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Loads the four controls of a new row n = ++ContractCount with the kinds of the entry row.
    int loadRow();
    void placeRow(int index, int topTwips);
    void setUpAction(int index, const QString& buttonName);
    bool rowShown(int index) const;
    void AddEntryRow();
    void ContractCombo_Click(int Index);
    void ContractDel_Click(int Index);
    void ContractCommand_Click(int Index);
    void VS1_Change();

    Owner m_owner;
    std::vector<int> m_topTwips; // each row's top in the inner panel
    // How much wider than designed the kind lists are (twips); the row's other parts move along.
    int m_comboGrowth = 0;
};
