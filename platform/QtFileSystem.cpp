#include "platform/QtFileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <unistd.h>
#include <QStandardPaths>

QString QtFileSystem::executableDir() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtFileSystem::configDir() const
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString dir = config + QStringLiteral("/tintaro");
    // Earlier releases kept the file under the maker's name; a user who has
    // one there keeps using it.
    const QString earlier = config + QStringLiteral("/Tolvex/tintaro");
    if (!QFileInfo::exists(dir) && QFileInfo::exists(earlier + QStringLiteral("/pvsetup.dat")))
        return earlier;
    QDir().mkpath(dir);
    return dir;
}

QString QtFileSystem::installBinDir() const
{
    return QStringLiteral(TINTARO_INSTALL_BINDIR);
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
    QFile old(path);
    const bool hadFile = QFileInfo(path).isFile();
    if (QFileInfo::exists(path) && !hadFile)
        return false; // a folder or device stands there: leave it
    if (hadFile && !old.open(QIODevice::ReadOnly))
        return false; // cannot keep what the file holds: better not to write at all
    const qint64 oldSize = hadFile ? old.size() : 0;

    // A temporary file renamed over the old one. Unbuffered, so that a write
    // the disk refuses fails here, where it is seen, and not in a flush that
    // the rename would not wait for.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto put = [&](const QByteArray& bytes) { return file.write(bytes) == bytes.size(); };
    const auto copy = [&](qint64 from, qint64 to) {
        // In pieces: a long file is never held in memory whole.
        constexpr qint64 Chunk = 1 << 16;
        if (!old.seek(from))
            return false;
        for (qint64 at = from; at < to;) {
            const QByteArray piece = old.read(std::min(Chunk, to - at));
            if (piece.isEmpty() || !put(piece))
                return false;
            at += piece.size();
        }
        return true;
    };
    bool ok = true;
    if (offset > 0)
        ok = copy(0, std::min(offset, oldSize)) && (oldSize >= offset || put(QByteArray(offset - oldSize, '\0')));
    ok = ok && put(data);
    if (ok && oldSize > offset + data.size())
        ok = copy(offset + data.size(), oldSize);
    ok = ok && file.flush() && file.error() == QFileDevice::NoError;
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool QtFileSystem::withLock(const QString& path, const std::function<bool()>& work)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    const bool locked = lock.tryLock(3000);
    const bool result = work();
    if (locked)
        lock.unlock();
    return result;
}

bool QtFileSystem::remove(const QString& path)
{
    return QFile::remove(path);
}

bool QtFileSystem::replaceWith(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    // On the disk before the rename makes it the file: a crash meanwhile
    // leaves the old one.
    if (::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
