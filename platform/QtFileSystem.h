#pragma once

#include "platform/FileSystem.h"

class QtFileSystem : public FileSystem {
public:
    QString executableDir() const override;
    QString configDir() const override;
    QString installBinDir() const override;
    bool isDirWritable(const QString& dir) const override;
    bool entryExists(const QString& path) const override;
    qint64 fileSize(const QString& path) const override;
    std::optional<QByteArray> readAt(const QString& path, qint64 offset, qint64 maxBytes) const override;
    bool createIfMissing(const QString& path) override;
    bool writeAt(const QString& path, qint64 offset, const QByteArray& data) override;
    bool withLock(const QString& path, const std::function<bool()>& work) override;
    bool remove(const QString& path) override;
    bool replaceWith(const QString& path, const QByteArray& data) override;
};
