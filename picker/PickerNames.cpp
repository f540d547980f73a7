#include "picker/PickerNames.h"

#include "picker/Quor_Colorpicker.h"
#include "sliders/vRGBSliders.h"
#include "widgets/MouseLabel.h"
#include "widgets/SurfaceBox.h"

#include <QLineEdit>

namespace PickerNames {

void Apply(Quor_Colorpicker* picker, const QString& title)
{
    picker->setAccessibleName(title);
    picker->iPal()->setAccessibleName(title + QStringLiteral(" palette"));
    picker->iPal()->setAccessibleDescription(QStringLiteral("Arrow keys pick one cell further; with Shift, ten"));
    picker->iHue()->setAccessibleName(title + QStringLiteral(" hue bar"));
    picker->iHue()->setAccessibleDescription(QStringLiteral("Up and Down choose the hue"));
    static const char* const channels[3] = {"Red", "Green", "Blue"};
    static const char* const forms[3] = {"HEX", "LONG", "HTML"};
    for (int i = 0; i < 3; ++i) {
        picker->cSlider()->txtColor(i)->setAccessibleName(QLatin1String(channels[i]));
        picker->cSlider()->txtColor(i)->setAccessibleDescription(QStringLiteral("0 to 255; Up and Down step 1, Page Up and Page Down 16"));
        picker->txtInfo(i)->setAccessibleName(QLatin1String(forms[i]));
        picker->txtInfo(i)->setAccessibleDescription(QStringLiteral("type a colour and press Enter"));
        picker->lblCopy(i)->setAccessibleName(QStringLiteral("Copy ") + QLatin1String(forms[i]));
        picker->lblCopy(i)->setAccessibleDescription(QStringLiteral("copy with Enter; every other form with a right click or Ctrl+Shift+C"));
    }
    for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n) {
        picker->lblCol(n - 1)->setAccessibleName(QStringLiteral("Favourite %1").arg(n));
        picker->lblCol(n - 1)->setAccessibleDescription(QStringLiteral("Enter loads it, Shift+Enter stores the colour"));
    }
    picker->lblCurColor()->setAccessibleName(title + QStringLiteral(" colour"));
}

} // namespace PickerNames
