#pragma once

#include <array>

#include <QString>
#include <QVariant>

// The nine window skins: a style sheet file in the Skin folder plus five colours (0x00BBGGRR)
// that the program gives its own controls and grids.
struct SkinInfo
{
    qint32 Id = 0;
    QString Name;
    QString FileName;
    qint32 BackColor = 0;      // labels, buttons, region pickers, the grids' empty area
    qint32 MouseMoveColor = 0; // text box under the pointer
    qint32 MouseOutColor = 0;  // text box at rest
    qint32 MouseInColor = 0;   // text box with the focus
    qint32 BorderColor = 0;    // text box border and button edge
};

// Indexed 1 to 9 (index 0 unused); filled by InitSkinTable.
extern std::array<SkinInfo, 10> Skins;
// The skin in force; Id 0 until the first skin has been applied.
extern SkinInfo CurSkin;

void InitSkinTable();
// The path of skin id's file: the program's folder, Skin, the file name.
QString SkinFilePath(qint32 id);

// Switches every window to the skin; an id outside 1 to 9 or without its file falls back to skin 1.
// False, after a message, when not even skin 1's file exists. A changed id is stored in the
// logged-in user's row.
bool ApplySkin(qint32 SkinId);

// A skin id read from the database or elsewhere: Null, a non-number or a value beyond 32 bits
// gives 0, which ApplySkin treats as skin 1.
qint32 SkinIdFromValue(const QVariant& value);
