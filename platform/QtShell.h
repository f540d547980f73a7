#pragma once

#include "platform/Shell.h"

class QtShell : public Shell {
public:
    bool openUrl(const QString& address) override;
    QString findProgram(const QString& name) const override;
    bool startProgram(const QString& path) override;
    void quit() override;
};
