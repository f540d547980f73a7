#include "platform/QtFileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString QtFileSystem::executableDir() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtFileSystem::configDir() const
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dir);
    return dir;
}

bool QtFileSystem::isDirWritable(const QString& dir) const
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

bool QtFileSystem::entryExists(const QString& path) const
{
    return QFileInfo::exists(path);
}

qint64 QtFileSystem::fileSize(const QString& path) const
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}

std::optional<QByteArray> QtFileSystem::readAt(const QString& path, qint64 offset, qint64 maxBytes) const
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (offset > 0 && !file.seek(offset))
        return std::nullopt;
    // QFile::read reserves maxBytes up front; ask only for what is there.
    QByteArray bytes = file.read(qBound<qint64>(0, file.size() - offset, maxBytes));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool QtFileSystem::createIfMissing(const QString& path)
{
    if (QFileInfo::exists(path))
        return QFileInfo(path).isFile();
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool QtFileSystem::writeAt(const QString& path, qint64 offset, const QByteArray& data)
{
    QByteArray whole;
    if (QFileInfo::exists(path)) {
        const std::optional<QByteArray> old = readAt(path, 0, std::numeric_limits<int>::max());
        if (!old)
            return false; // cannot keep what the file holds: better not to write at all
        whole = *old;
    }
    if (whole.size() < offset + data.size())
        whole.resize(offset + data.size(), '\0');
    whole.replace(offset, data.size(), data);

    // A temporary file renamed over the old one: a crash or a full disk
    // leaves either the old file or the new one, never half of each.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(whole) != whole.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool QtFileSystem::remove(const QString& path)
{
    return QFile::remove(path);
}
