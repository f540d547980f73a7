#pragma once

#include <QString>

// Modal message boxes with a single OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Exclamation icon. Line breaks in text may be CR LF.
    virtual void exclamation(const QString& title, const QString& text) = 0;
    // No icon.
    virtual void plain(const QString& title, const QString& text) = 0;
};
