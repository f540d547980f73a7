#include "picker/PickerNames.h"

#include "picker/PickerKeys.h"
#include "picker/Quor_Colorpicker.h"
#include "sliders/vRGBSliders.h"
#include "widgets/Accessibility.h"
#include "widgets/MouseLabel.h"
#include "widgets/ShapeBox.h"
#include "widgets/SurfaceBox.h"

#include <QLineEdit>

namespace PickerNames {

void Apply(Quor_Colorpicker* picker, const QString& title)
{
    using namespace Accessibility;
    SetRole(picker, QAccessible::Grouping);
    picker->setAccessibleName(title);
    SetRole(picker->cSlider(), QAccessible::Grouping);
    picker->cSlider()->setAccessibleName(QStringLiteral("Red, green and blue"));
    // The palette tells where it is picked, the hue bar its hue in degrees.
    SetRole(picker->iPal(), QAccessible::Canvas);
    SetTextSource(picker->iPal(), [picker] {
        const QPoint cell = picker->PaletteCell();
        return QStringLiteral("saturation %1%, lightness %2%").arg(Quor_Colorpicker::PaletteMax - cell.x()).arg(Quor_Colorpicker::PaletteMax - cell.y());
    });
    SetRole(picker->iHue(), QAccessible::Slider);
    SetValueSource(picker->iHue(), [picker] { return picker->HueDegrees(); }, 360);
    for (QWidget* decoration : {static_cast<QWidget*>(picker->iHuePos()), static_cast<QWidget*>(picker->shpSelect()),
                                static_cast<QWidget*>(picker->shpCopySelect())})
        Hide(decoration);
    SetRole(picker->lblCurColor(), QAccessible::StaticText);
    SetTextSource(picker->lblCurColor(), [picker] { return ColourText(picker->Color()); });
    picker->keys()->favourites()->setAccessibleDescription(QStringLiteral("arrow keys choose a favourite"));
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
        SetRole(picker->lblCopy(i), QAccessible::PushButton);
        SetPressable(picker->lblCopy(i));
        picker->lblCopy(i)->setAccessibleName(QStringLiteral("Copy ") + QLatin1String(forms[i]));
        picker->lblCopy(i)->setAccessibleDescription(QStringLiteral("copy with Enter; every other form with a right click or Ctrl+Shift+C"));
    }
    for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n) {
        MouseLabel* box = picker->lblCol(n - 1);
        SetRole(box, QAccessible::Button);
        SetPressable(box, true); // Press loads it, Store stores the colour in it
        SetTextSource(box, [box] { return ColourText(box->BackColor()); });
        box->setAccessibleName(QStringLiteral("Favourite %1").arg(n));
        picker->lblCol(n - 1)->setAccessibleDescription(QStringLiteral("Enter loads it, Shift+Enter stores the colour"));
    }
    picker->lblCurColor()->setAccessibleName(title + QStringLiteral(" colour"));
}

} // namespace PickerNames
