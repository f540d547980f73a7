#include "app/PickerSettings.h"

#include "app/mSetup.h"
#include "picker/Quor_Colorpicker.h"

namespace PickerSettings {

void Load(Quor_Colorpicker* fore, Quor_Colorpicker* back)
{
    mSetup::ReadSetup();
    const SetupData& data = mSetup::Setup();
    fore->setColor(data.ForePickerColor);
    for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n)
        fore->setsColor(n, data.ForeFavorites[n - 1]);
    back->setColor(data.BackPickerColor);
    for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n)
        back->setsColor(n, data.BackFavorites[n - 1]);
}

bool Save(const Quor_Colorpicker* fore, const Quor_Colorpicker* back)
{
    SetupData& data = mSetup::Setup();
    for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n)
        data.ForeFavorites[n - 1] = fore->sColor(n);
    data.ForePickerColor = fore->Color();
    for (int n = 1; n <= Quor_Colorpicker::FavoriteCount; ++n)
        data.BackFavorites[n - 1] = back->sColor(n);
    data.BackPickerColor = back->Color();
    return mSetup::WriteSetup();
}

} // namespace PickerSettings
