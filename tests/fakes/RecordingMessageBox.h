#pragma once

#include "platform/MessageBox.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

// Answers every box at once and remembers what was shown, and whether any
// top-level window was already visible at that moment.
class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        QString kind, title, text;
        bool windowVisible;
    };
    QList<Shown> shown;

    void exclamation(const QString& title, const QString& text) override { record(QStringLiteral("exclamation"), title, text); }
    void plain(const QString& title, const QString& text) override { record(QStringLiteral("plain"), title, text); }

private:
    void record(const QString& kind, const QString& title, const QString& text)
    {
        bool visible = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            visible = visible || w->isVisible();
        shown.append({kind, title, text, visible});
    }
};
