#include "sound/cuefile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

FileSignature signatureOf(const QFileInfo &info)
{
    return {info.size(), info.lastModified().toMSecsSinceEpoch() * 1'000'000, 0};
}

} // namespace

std::optional<FileSignature> portableFileSignature(const QString &path)
{
    const QFileInfo info(path); // follows a symbolic link
    if (!info.isFile())
        return std::nullopt;
    return signatureOf(info);
}

std::optional<QByteArray> readPortableFile(const QString &path, qint64 maxBytes, FileSignature *signature)
{
    // A FIFO or a device is no file here, so opening never waits for a writer.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() != info.size())
        return std::nullopt; // changed while it was read
    if (signature)
        *signature = signatureOf(info);
    return bytes;
}

#ifndef SHOOTALOT_POSIX_FILES
std::optional<FileSignature> regularFileSignature(const QString &path)
{
    return portableFileSignature(path);
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, FileSignature *signature)
{
    return readPortableFile(path, maxBytes, signature);
}
#endif
