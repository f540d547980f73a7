#pragma once

class Clipboard;
class ColorDialog;
class DragDrop;
class FileDialog;
class FileSystem;
class MessageBox;
class Pointer;
class PopupMenu;
class Screen;
class Shell;

// The desktop services in use. Code outside platform/ reaches the desktop only
// through these; tests install fakes with setPlatform().
struct Platform {
    FileSystem* files = nullptr;
    MessageBox* messages = nullptr;
    PopupMenu* menus = nullptr;
    Clipboard* clipboard = nullptr;
    ColorDialog* colorDialog = nullptr;
    Pointer* pointer = nullptr;
    Shell* shell = nullptr;
    Screen* screen = nullptr;
    FileDialog* fileDialog = nullptr;
    DragDrop* dragDrop = nullptr;
};

// The services in use: the Qt implementations unless others were installed.
Platform& platform();
// Installs services (null members keep the Qt implementation); returns the
// previous set so a caller can put it back.
Platform setPlatform(const Platform& services);
