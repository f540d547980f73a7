#pragma once

#include <QString>

// The desktop's file dialog, modal; on Wayland and in sandboxes Qt asks the
// file-chooser portal for it.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // A file to write, suggested first; filters as Qt writes them
    // ("GIMP palette (*.gpl);;CSS (*.css)"). Empty when cancelled.
    virtual QString saveFile(const QString& title, const QString& suggested, const QString& filters) = 0;
    // An existing file to read. Empty when cancelled.
    virtual QString openFile(const QString& title, const QString& filters) = 0;
};
