#include "platform/Platform.h"

#include "platform/QtClipboard.h"
#include "platform/QtColorDialog.h"
#include "platform/QtFileSystem.h"
#include "platform/QtMessageBox.h"
#include "platform/NoRegistry.h"
#include "platform/QtPointer.h"
#include "platform/QtScreen.h"
#include "platform/QtShell.h"
#include "platform/QtPopupMenu.h"

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
    static QtScreen screen;
    static NoRegistry registry;
    return Platform{&files, &messages, &menus, &clipboard, &colorDialog, &pointer, &shell, &screen, &registry};
}

Platform& current()
{
    static Platform services = qtPlatform();
    return services;
}

} // namespace

Platform& platform()
{
    return current();
}

Platform setPlatform(const Platform& services)
{
    const Platform previous = current();
    const Platform qt = qtPlatform();
    current().files = services.files ? services.files : qt.files;
    current().messages = services.messages ? services.messages : qt.messages;
    current().menus = services.menus ? services.menus : qt.menus;
    current().clipboard = services.clipboard ? services.clipboard : qt.clipboard;
    current().colorDialog = services.colorDialog ? services.colorDialog : qt.colorDialog;
    current().pointer = services.pointer ? services.pointer : qt.pointer;
    current().shell = services.shell ? services.shell : qt.shell;
    current().screen = services.screen ? services.screen : qt.screen;
    current().registry = services.registry ? services.registry : qt.registry;
    return previous;
}
