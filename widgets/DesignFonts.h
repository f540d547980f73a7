#pragma once

#include <QFont>

class QWidget;

// Fonts are asked for by the names the windows were designed with ("MS Sans
// Serif", "Verdana", "Arial"). Where a desktop lacks them, fontconfig would
// pick wider faces and the design's texts would no longer fit their boxes,
// so each name gets substitutes of the same metrics first.
namespace DesignFonts {

// Installs the substitutes once per process; every call after the first does
// nothing. Font() calls it, so hosts need not.
void InstallSubstitutes();

// The design's family where the desktop has it, else its first substitute
// the desktop has, else the design's name for fontconfig to match; looked up
// once per family. Asked for a family it lacks, Qt's font database sorts
// every installed font for fallbacks before it turns to the substitutes, and
// does so again for each family asked for.
QString InstalledFamily(const QString& family);

// The design's font (as InstalledFamily finds it) at a point size, normal
// weight.
QFont Font(const QString& family, qreal pointSize);

// A text box of colour values (digits, Latin letters, signs) keeps the font
// it inherits but lays its text out without a shaping engine, and so
// without kerning, as such boxes always showed it: a drag sets its text on
// every step. Scripts that need shaping are still shaped.
void Unshaped(QWidget* box);

} // namespace DesignFonts
