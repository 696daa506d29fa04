#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The working folder's cue files, read the way a folder anyone may write to
// must be read: never blocking on a FIFO or a device, never more than a cue
// can be.

// What tells a file changed without reading it.
struct FileSignature
{
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileSignature &) const = default;
};

// The most a cue file may hold.
inline constexpr qint64 MaxCueFileBytes = 16 * 1024 * 1024;

// The signature of path if it is a regular file (following a symbolic link);
// nothing for anything else or nothing there.
std::optional<FileSignature> regularFileSignature(const QString &path);

// The whole of a regular file of at most maxBytes, opened without blocking
// (a FIFO or a device is never read); nothing otherwise. signature, when
// given, receives the file's as it was opened.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes,
                                          FileSignature *signature = nullptr);

// The same through QFileInfo and QFile, for systems without POSIX's file
// calls (cuefile_posix.cpp has those). The file's kind is checked before it
// is opened rather than as it is, and the signature carries no inode.
std::optional<FileSignature> portableFileSignature(const QString &path);
std::optional<QByteArray> readPortableFile(const QString &path, qint64 maxBytes,
                                           FileSignature *signature = nullptr);
