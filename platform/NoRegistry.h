#pragma once

#include "platform/Registry.h"

// Linux desktops keep no such store: every value is missing.
class NoRegistry : public Registry {
public:
    bool GetKeyValue(std::uint32_t, const QString&, const QString&, QString& keyVal) override
    {
        keyVal.clear();
        return false;
    }
};
