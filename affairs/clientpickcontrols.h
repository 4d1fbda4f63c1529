#pragma once

#include <QtGlobal>

class FoxText;
class QPushButton;
class QWidget;

// The related client's name box with its choose and clear buttons, shared by the affair windows.
struct ClientPickControls
{
    FoxText* name = nullptr;
    QPushButton* choose = nullptr;
    QPushButton* clear = nullptr;
};

inline const char* const NoClientText = "未选择";

// Creates the locked, centred name box (showing "未选择") at left/top with the given width and
// the buttons "选择" (chooseName) and "取消" (clearName) beside it, in pixels.
ClientPickControls CreateClientPickControls(QWidget* form, int left, int top, int nameWidth,
                                            const char* chooseName = "Command1",
                                            const char* clearName = "Command2");

// The client of a window is always the one its name box shows. Choosing asks the client picker;
// true when a client was picked (cancelling keeps the previous one). Clearing sets none.
bool ChooseClient(qint32& clientId, FoxText* name);
void ClearClient(qint32& clientId, FoxText* name);
