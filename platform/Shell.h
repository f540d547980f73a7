#pragma once

#include <QString>

// The desktop shell: web addresses, other programs, and leaving this one.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens the address with the desktop's handler; false when that failed.
    virtual bool openUrl(const QString& address) = 0;
    // Full path of a program found on the search path, or empty.
    virtual QString findProgram(const QString& name) const = 0;
    // Starts a program detached, in its own normal window.
    virtual bool startProgram(const QString& path) = 0;
    // Ends this program once the current event returns.
    virtual void quit() = 0;
};
