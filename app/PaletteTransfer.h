#pragma once

class Quor_Colorpicker;

// The 24 favourites in and out of palette files, through the desktop's file
// dialog: a GIMP palette (or, for a name ending in .css, CSS custom
// properties) written with the settings file's save rules, and a GIMP
// palette read into the favourites, foreground first. Every failure is one
// message titled "Tintaro" naming the file, and changes nothing.
namespace PaletteTransfer {

void Export(const Quor_Colorpicker* fore, const Quor_Colorpicker* back);
void Import(Quor_Colorpicker* fore, Quor_Colorpicker* back);

} // namespace PaletteTransfer
