#pragma once

#include <QList>
#include <array>
#include <functional>

class QWidget;

// The main window from the keyboard: Tab runs through the foreground frame,
// then the background frame, then the three title buttons, each showing its
// focus; F1 opens Quick Help; Ctrl+Q and Ctrl+W close the window (saving as
// any close does); Escape closes Quick Help and About.
namespace MainKeys {

// The window's keys: the title buttons (menu, minimise, close) take focus;
// F1 runs showHelp.
void Install(QWidget* window, const std::array<QWidget*, 3>& titleButtons, std::function<void()> showHelp);
// Moves the focus one stop on (or back) along order, skipping what is hidden
// or disabled; false when the focus is not on the way.
bool FocusStep(const QList<QWidget*>& order, bool next);

} // namespace MainKeys
