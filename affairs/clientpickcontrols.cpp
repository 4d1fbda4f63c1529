#include "affairs/clientpickcontrols.h"

#include <QPushButton>

#include "affairs/affairformparts.h"
#include "affairs/clientname.h"
#include "clients/quickselect.h"
#include "controls/foxtext.h"

namespace {

constexpr int RowHeight = 22;
constexpr int ButtonWidth = 48;
constexpr int Gap = 6;

} // namespace

ClientPickControls CreateClientPickControls(QWidget* form, int left, int top, int nameWidth,
                                            const char* chooseName, const char* clearName)
{
    ClientPickControls controls;
    controls.name =
        AddTextBox(form, QStringLiteral("FoxText1"), QRect(left, top, nameWidth, RowHeight), false, true);
    controls.name->setLocked(true);
    controls.name->setText(QString::fromUtf8(NoClientText));
    int x = left + nameWidth + Gap;
    const auto button = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, form);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, top, ButtonWidth, RowHeight);
        b->setAutoDefault(false);
        x += ButtonWidth + Gap;
        return b;
    };
    controls.choose = button(chooseName, QStringLiteral("选择"));
    controls.clear = button(clearName, QStringLiteral("取消"));
    return controls;
}

bool ChooseClient(qint32& clientId, FoxText* name)
{
    const qint32 picked = QuickSelect(true);
    if (picked == 0)
        return false;
    const std::optional<QString> pickedName = ClientNameOf(picked);
    if (!pickedName)
        return false;
    clientId = picked;
    name->setText(*pickedName);
    return true;
}

void ClearClient(qint32& clientId, FoxText* name)
{
    clientId = 0;
    name->setText(QString::fromUtf8(NoClientText));
}
