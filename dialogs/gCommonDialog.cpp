#include "dialogs/gCommonDialog.h"

#include "platform/ColorDialog.h"
#include "platform/Platform.h"

#include <QtGlobal>

std::uint32_t gCommonDialog::ColorFlags(bool AnyColor, bool FullOpen, bool DisableFullOpen)
{
    const std::uint32_t flags = (AnyColor ? CHOOSECOLOR::CC_ANYCOLOR : CHOOSECOLOR::CC_SOLIDCOLOR) | CHOOSECOLOR::CC_RGBINIT |
                                (FullOpen ? CHOOSECOLOR::CC_FULLOPEN : 0) | (DisableFullOpen ? CHOOSECOLOR::CC_PREVENTFULLOPEN : 0);
    return flags & ~(CHOOSECOLOR::CC_ENABLEHOOK | CHOOSECOLOR::CC_ENABLETEMPLATE);
}

bool gCommonDialog::VBChooseColor(OLE_COLOR& Color, bool AnyColor, bool FullOpen, bool DisableFullOpen, QWidget* Owner,
                                  std::int32_t flags, bool Hook, QObject* EventSink)
{
    Q_UNUSED(flags);
    Q_UNUSED(Hook);
    Q_UNUSED(EventSink);
    fillCustomColors();
    CHOOSECOLOR record;
    record.hwndOwner = Owner;
    record.rgbResult = Color;
    record.lpCustColors = &m_custom;
    record.Flags = ColorFlags(AnyColor, FullOpen, DisableFullOpen);

    ColorDialog& dialog = *platform().colorDialog;
    m_apiReturn = dialog.ChooseColorA(record);
    if (m_apiReturn == 1) {
        Color = record.rgbResult;
        return true;
    }
    if (m_apiReturn != 0)
        m_extendedError = dialog.CommDlgExtendedError();
    Color = -1;
    return false;
}

OLE_COLOR gCommonDialog::CustomColor(int i)
{
    fillCustomColors();
    return i >= 0 && i < 16 ? m_custom[static_cast<std::size_t>(i)] : -1;
}

void gCommonDialog::setCustomColor(int i, OLE_COLOR color)
{
    fillCustomColors();
    if (i >= 0 && i < 16)
        m_custom[static_cast<std::size_t>(i)] = color;
}

void gCommonDialog::fillCustomColors()
{
    if (m_customFilled)
        return;
    for (int i = 0; i < 16; ++i)
        m_custom[static_cast<std::size_t>(i)] = platform().colorDialog->GetSysColor(i);
    m_customFilled = true;
}
