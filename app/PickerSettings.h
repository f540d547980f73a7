#pragma once

class Quor_Colorpicker;

// The two pickers and the settings record: the record read into them at
// start, and their colours and favourites written back.
namespace PickerSettings {

// Reads the settings file and sets each picker's colour, then its
// favourites, foreground first.
void Load(Quor_Colorpicker* fore, Quor_Colorpicker* back);
// Copies both pickers into the record and saves it; false when the file
// could not be written (it is then as it was).
bool Save(const Quor_Colorpicker* fore, const Quor_Colorpicker* back);

} // namespace PickerSettings
