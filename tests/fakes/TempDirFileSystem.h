#pragma once

#include "platform/QtFileSystem.h"

#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

// Real files, but the executable and configuration directories are temporary
// ones; writes or whole directories can be made to fail as a locked file or a
// read-only install would.
class TempDirFileSystem : public QtFileSystem {
public:
    QTemporaryDir exeDir;
    QTemporaryDir cfgDir;
    bool exeDirWritable = true;
    bool writesFail = false;
    bool readsFail = false;
    int writeCount = 0;

    QString executableDir() const override { return exeDir.path(); }
    QString configDir() const override { return cfgDir.path(); }
    QString installBinDir() const override { return installedAt; }
    QString installedAt = QStringLiteral("/nonexistent/bin");
    bool isDirWritable(const QString& dir) const override
    {
        return (dir != exeDir.path() || exeDirWritable) && QtFileSystem::isDirWritable(dir);
    }
    std::optional<QByteArray> readAt(const QString& path, qint64 offset, qint64 maxBytes) const override
    {
        if (readsFail)
            return std::nullopt;
        return QtFileSystem::readAt(path, offset, maxBytes);
    }
    bool writeAt(const QString& path, qint64 offset, const QByteArray& data) override
    {
        ++writeCount;
        // An unreadable file cannot have its tail kept either.
        if (writesFail || (readsFail && QFileInfo::exists(path)))
            return false;
        return QtFileSystem::writeAt(path, offset, data);
    }

    QString exeFile(const QString& name) const { return exeDir.filePath(name); }
};
