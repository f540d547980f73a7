#include "app/mFileFound.h"

#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace mFileFound {

bool FileFound(const QString& path)
{
    return platform().files->entryExists(path);
}

} // namespace mFileFound
