#pragma once

#include <QString>

// The program's version as the build sets it, "major.minor.patch".
inline QString VersionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(TINTARO_VERSION_MAJOR).arg(TINTARO_VERSION_MINOR).arg(TINTARO_VERSION_PATCH);
}
