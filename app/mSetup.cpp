#include "app/mSetup.h"

#include "app/mFileFound.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

#include <QDir>

namespace mSetup {

SetupData& Setup()
{
    static SetupData data;
    return data;
}

namespace {

// What ReadSetup left: the file and the record as the run started with it.
struct Loaded {
    QString path;
    SetupData record;
    bool createdEmpty = false; // the read made the file, empty
};

Loaded& loaded()
{
    static Loaded state;
    return state;
}

} // namespace

QString SavedPath()
{
    return loaded().path.isEmpty() ? SetupPath() : loaded().path;
}

QString SetupPath()
{
    FileSystem& files = *platform().files;
    const QString exeDir = files.executableDir();
    const QString beside = exeDir + QLatin1Char('/') + QLatin1String(FileName);
    const QString config = files.configDir() + QLatin1Char('/') + QLatin1String(FileName);
    // A file beside the executable is always used: a portable copy.
    if (files.entryExists(beside))
        return beside;
    // An installed copy keeps it in the user's configuration; a copy run
    // from anywhere else (a build, an unpacked folder) beside itself, unless
    // that folder cannot be written.
    if (QDir::cleanPath(exeDir) == QDir::cleanPath(files.installBinDir()))
        return config;
    return files.isDirWritable(exeDir) ? beside : config;
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
    const bool createdEmpty = !mFileFound::FileFound(path);
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
    // The save goes back to this file, even if its folder stops being
    // writable meanwhile: a failure is then told, not hidden elsewhere.
    loaded() = {path, data, createdEmpty && usable};
}

bool WriteSetup()
{
    FileSystem& files = *platform().files;
    const QString path = SavedPath();
    return files.withLock(path, [&] {
        SetupData onDisk = Setup(); // what the file does not cover stays ours
        if (files.fileSize(path) > 0)
            if (const std::optional<QByteArray> bytes = files.readAt(path, 0, SetupData::FileSize))
                onDisk.overlayBytes(*bytes);
        const SetupData merged = SetupData::Merge(loaded().record, Setup(), onDisk);
        if (!files.writeAt(path, 0, merged.toBytes())) {
            // The empty file this run made would only raise a false alarm of
            // corruption at the next start.
            if (loaded().createdEmpty && files.fileSize(path) == 0)
                files.remove(path);
            return false;
        }
        loaded().createdEmpty = false;
        loaded().record = Setup(); // a later save counts changes from here
        return true;
    });
}

} // namespace mSetup
