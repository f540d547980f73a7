#pragma once

#include <QString>
#include <cstdint>

// A hierarchical store of system settings looked up by root, key and value
// name. Desktops without one report every value as missing.
class Registry {
public:
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002;

    virtual ~Registry() = default;
    // True with the value's text in keyVal when it could be read; false with
    // keyVal empty otherwise.
    virtual bool GetKeyValue(std::uint32_t keyRoot, const QString& keyName, const QString& subKeyRef, QString& keyVal) = 0;
};
