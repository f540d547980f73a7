#pragma once

#include "colour/OleColor.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Palettes as other programs keep them: GIMP's .gpl (read and written by
// GIMP, Inkscape, Krita, Aseprite, MyPaint and most open-source graphics
// tools) and CSS custom properties. Pure code, no display.
namespace GimpPalette {

struct Entry {
    OLE_COLOR colour;
    QString name;
};

// "GIMP Palette", its name, 12 columns, a comment with the date, then one
// row "R G B<TAB>name" per entry, in order.
QByteArray Write(const QString& name, const QList<Entry>& entries, const QDateTime& when);
// ":root {", one "  --<name in lower case, blanks as hyphens>: #RRGGBB;" per
// entry, "}".
QByteArray WriteCss(const QList<Entry>& entries);

// What reading a palette gave: its colours in order, or the first line that
// is not part of a GIMP palette (1 for a missing header) and why.
struct Reading {
    QList<Entry> entries;
    int badLine = 0; // 0: read
    QString problem;
};
// The header "GIMP Palette" is required; "Name:" and "Columns:" lines, "#"
// comments and blank lines are skipped; every other line is three whole
// numbers 0..255 separated by blanks, then an optional name.
Reading Read(const QByteArray& bytes);

// Files larger than this are not palettes anyone made by hand or with a tool.
inline constexpr qint64 MostBytes = 1024 * 1024;

} // namespace GimpPalette
