#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The file operations the program needs, kept behind one narrow interface so
// tests can put the settings file in a temporary directory or make it fail.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Directory holding the running executable, without a trailing separator.
    virtual QString executableDir() const = 0;
    // Per-user configuration directory, used when the executable's own
    // directory cannot be written (an installed copy).
    virtual QString configDir() const = 0;
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
    // byte of the file. The change lands whole or not at all: the old file is
    // never left torn. False (and the file untouched) on any failure.
    virtual bool writeAt(const QString& path, qint64 offset, const QByteArray& data) = 0;
    virtual bool remove(const QString& path) = 0;
};
