#pragma once

#include <QtGlobal>

class QComboBox;
class QWidget;

// The owner filter of the list windows: "所有用户" (data 0) followed by every user, the first entry
// selected; shown with its label only to users who may see all users.
void FillOwnerFilter(QComboBox* combo, QWidget* label);
// The user chosen in it: 0 for every user, and always 0 for a user who may not see all users.
qint32 ChosenOwner(const QComboBox* combo);
