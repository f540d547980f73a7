#pragma once

#include <QString>

namespace mFileFound {

// True when the file system lists an entry of that name, whatever its kind.
bool FileFound(const QString& path);

} // namespace mFileFound
