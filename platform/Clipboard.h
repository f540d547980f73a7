#pragma once

#include <QString>

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    // The plain text on the clipboard, empty when there is none.
    virtual QString text() const = 0;
};
