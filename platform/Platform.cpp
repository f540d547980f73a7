#include "platform/Platform.h"

#include "platform/QtClipboard.h"
#include "platform/QtColorDialog.h"
#include "platform/QtDragDrop.h"
#include "platform/QtFileDialog.h"
#include "platform/QtFileSystem.h"
#include "platform/QtMessageBox.h"
#include "platform/QtPointer.h"
#include "platform/QtPopupMenu.h"
#include "platform/PortalScreen.h"
#include "platform/X11Screen.h"
#include "platform/QtShell.h"

namespace {

Platform qtPlatform()
{
    static QtFileSystem files;
    static QtMessageBox messages;
    static QtPopupMenu menus;
    static QtClipboard clipboard;
    static QtColorDialog colorDialog;
    static QtPointer pointer;
    static QtShell shell;
    static X11Screen x11;
    static QtFileDialog fileDialog;
    static QtDragDrop dragDrop;
    // Chosen once, at first use; the portal's lives as long as the process,
    // as it answers on the session bus.
    static Screen* screen = PortalScreen::InWaylandSession() ? static_cast<Screen*>(new PortalScreen) : &x11;
    return Platform{&files, &messages, &menus, &clipboard, &colorDialog, &pointer, &shell, screen, &fileDialog, &dragDrop};
}

Platform& current()
{
    static Platform services = qtPlatform();
    return services;
}

template <typename Service>
Service* orQt(Service* chosen, Service* qt)
{
    return chosen ? chosen : qt;
}

} // namespace

Platform& platform()
{
    return current();
}

Platform setPlatform(const Platform& s)
{
    const Platform previous = current();
    const Platform qt = qtPlatform();
    current() = Platform{orQt(s.files, qt.files),       orQt(s.messages, qt.messages),
                         orQt(s.menus, qt.menus),       orQt(s.clipboard, qt.clipboard),
                         orQt(s.colorDialog, qt.colorDialog), orQt(s.pointer, qt.pointer),
                         orQt(s.shell, qt.shell),       orQt(s.screen, qt.screen),
                         orQt(s.fileDialog, qt.fileDialog), orQt(s.dragDrop, qt.dragDrop)};
    return previous;
}
