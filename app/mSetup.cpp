#include "app/mSetup.h"

#include "app/mFileFound.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace mSetup {

SetupData& Setup()
{
    static SetupData data;
    return data;
}

QString SetupPath()
{
    FileSystem& files = *platform().files;
    const QString exeDir = files.executableDir();
    const QString dir = files.isDirWritable(exeDir) ? exeDir : files.configDir();
    return dir + QLatin1Char('/') + QLatin1String(FileName);
}

void ReadSetup()
{
    FileSystem& files = *platform().files;
    const QString path = SetupPath();
    SetupData& data = Setup();
    data = SetupData{};
    bool useDefaults = false;

    if (mFileFound::FileFound(path) && files.fileSize(path) == 0) {
        platform().messages->exclamation(QLatin1String(CorruptTitle), QLatin1String(CorruptText));
        files.remove(path);
        useDefaults = true;
    }
    if (!mFileFound::FileFound(path))
        useDefaults = true;

    // The file is left on disk (empty when new) for WriteSetup to fill.
    const bool usable = files.createIfMissing(path);
    const std::optional<QByteArray> bytes = usable ? files.readAt(path, 0, SetupData::FileSize) : std::nullopt;
    if (bytes)
        data.overlayBytes(*bytes);
    else
        useDefaults = true;

    if (useDefaults) {
        data.ForePickerColor = DefaultForeColor;
        data.BackPickerColor = DefaultBackColor;
    }
}

void WriteSetup()
{
    platform().files->writeAt(SetupPath(), 0, Setup().toBytes());
}

} // namespace mSetup
