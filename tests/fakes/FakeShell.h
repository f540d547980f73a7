#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Records what the program asks of the shell; finds only the programs listed.
class FakeShell : public Shell {
public:
    QStringList opened, started;
    QStringList installed; // names findProgram knows, found as /usr/bin/<name>
    bool openSucceeds = true;
    int quits = 0;

    bool openUrl(const QString& address) override
    {
        opened.append(address);
        return openSucceeds;
    }
    QString findProgram(const QString& name) const override
    {
        return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool fileExists(const QString&) const override { return false; }
    bool startProgram(const QString& path) override
    {
        started.append(path);
        return true;
    }
    void quit() override { ++quits; }
};
