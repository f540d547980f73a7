#pragma once

#include "platform/Platform.h"

// Installs services for one test and puts the previous ones back after it.
class ScopedPlatform {
public:
    explicit ScopedPlatform(const Platform& services) : m_previous(setPlatform(services)) {}
    ~ScopedPlatform() { setPlatform(m_previous); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform m_previous;
};
