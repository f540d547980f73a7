#pragma once

#include "colour/OleColor.h"

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

// What a screen reader hears of the program's own controls, which Qt's
// standard interfaces do not describe: colour boxes that give their colour
// as text, labels and picture buttons that press like buttons, the hue bar's
// degrees, pictures that only decorate. What each control is and says is
// kept here by widget; the interfaces Qt's accessibility bridge asks for
// read it from there. Set it before the widget is named or shown: Qt keeps
// the first interface it makes for a widget.
namespace Accessibility {

// Installs the interfaces with Qt; before the first window is made.
void Install();

// widget takes role in the accessible tree.
void SetRole(QWidget* widget, QAccessible::Role role);
// A decoration: left out of what a screen reader reads.
void Hide(QWidget* widget);
// widget presses as a button: its "Press" action calls its invokable
// press(int Button) with the left button; with store, a "Store" action
// presses it with the right button.
void SetPressable(QWidget* widget, bool store = false);
// The text widget shows, asked for when read.
void SetTextSource(QWidget* widget, std::function<QString()> text);
// The number widget shows, from 0 to most (the hue bar's degrees).
void SetValueSource(QWidget* widget, std::function<double()> value, double most);
// What widget shows may have changed: announced once the event that made
// the change has run to its end, so that a screen reader hears the last
// text or number only, and only when it differs from the last announced.
void Changed(QWidget* widget);
// Tells a screen reader that widget has the focus within a control that
// keeps the keyboard itself (the favourites' grid).
void SetFocusedChild(QWidget* widget);

// A colour as it is read out: "#3CCD6F, ~mediumseagreen".
QString ColourText(OLE_COLOR c);

} // namespace Accessibility
