#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The file operations the program needs, kept behind one narrow interface so
// tests can put the settings file in a temporary directory or make it fail.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Directory holding the running executable, without a trailing separator.
    virtual QString executableDir() const = 0;
    // Per-user configuration directory ($XDG_CONFIG_HOME/tintaro), for an
    // installed copy and where the executable's own directory cannot be
    // written.
    virtual QString configDir() const = 0;
    // The bin folder of the install prefix the program was built for.
    virtual QString installBinDir() const = 0;
    virtual bool isDirWritable(const QString& dir) const = 0;

    // True when the directory lists an entry of that name (file or not).
    virtual bool entryExists(const QString& path) const = 0;
    // Length in bytes, or -1 when the entry is missing or not a regular file.
    virtual qint64 fileSize(const QString& path) const = 0;
    // Up to maxBytes from offset; nullopt when the file cannot be read.
    virtual std::optional<QByteArray> readAt(const QString& path, qint64 offset, qint64 maxBytes) const = 0;
    // Creates an empty file when none exists; false when that fails.
    virtual bool createIfMissing(const QString& path) = 0;
    // Replaces bytes [offset, offset + data.size()) and keeps every other
    // byte of the file, however long. The change lands whole or not at all:
    // every write and the flush are checked before the new file replaces the
    // old one, so a full disk or a crash never leaves it torn or empty.
    // False (and the file exactly as it was) on any failure.
    virtual bool writeAt(const QString& path, qint64 offset, const QByteArray& data) = 0;
    // Runs work while holding an advisory lock beside path (path + ".lock"),
    // so that two copies of the program do not read and write the file at
    // the same time. A lock left by a crashed process is taken over; one that
    // cannot be had within a few seconds is not waited for. Returns work's
    // result.
    virtual bool withLock(const QString& path, const std::function<bool()>& work) = 0;
    virtual bool remove(const QString& path) = 0;
    // Replaces the whole file with data, with writeAt's guarantees: a
    // temporary file, every write and the flush checked, then renamed over
    // the old one. False (and any old file whole) on any failure.
    virtual bool replaceWith(const QString& path, const QByteArray& data) = 0;
};
