#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// Keeps the clipboard's calls in order: "clear" or "text:<the text>".
class RecordingClipboard : public Clipboard {
public:
    QStringList calls;
    void clear() override { calls.append(QStringLiteral("clear")); }
    void setText(const QString& text) override
    {
        calls.append(QStringLiteral("text:") + text);
        held = text;
    }
    QString text() const override { return held; }
    QString held;
};
