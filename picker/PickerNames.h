#pragma once

#include <QString>

class Quor_Colorpicker;

// What a screen reader calls a picker and its parts.
namespace PickerNames {

// Names every part of picker: "<title> palette", "Red", "HTML",
// "Favourite 3", and so on; the picker itself is title.
void Apply(Quor_Colorpicker* picker, const QString& title);

} // namespace PickerNames
