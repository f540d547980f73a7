#pragma once

#include <QList>

class QWidget;
class fMain;

// The main window from the keyboard: Tab runs through the foreground frame,
// then the background frame, then the three title buttons, each showing its
// focus; F1 opens Quick Help; Ctrl+Q and Ctrl+W close the window (saving as
// any close does); Escape closes Quick Help and About.
namespace MainKeys {

void Install(fMain* window);
// Every stop of the Tab order, first to last.
QList<QWidget*> TabOrder(fMain* window);
// Moves the focus one stop on (or back); false when the focus is elsewhere.
bool FocusStep(fMain* window, bool next);

} // namespace MainKeys
