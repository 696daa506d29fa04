#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// A cue decoded for the sound output: 16-bit samples, interleaved, at the
// output's rate and channel count.
struct Cue
{
    QString origin; // the file it came from, or the built-in resource
    int rate = 0;
    int channels = 0;
    std::vector<qint16> samples;

    qsizetype frames() const { return channels ? qsizetype(samples.size()) / channels : 0; }
};

struct CueFormat
{
    int rate = 48000;
    int channels = 2;
};

// What tells a file changed without reading it.
struct FileSignature
{
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileSignature &) const = default;
};

// Limits on what a file in the working folder may be: a cue is short.
inline constexpr qint64 MaxCueFileBytes = 16 * 1024 * 1024;
inline constexpr int MaxCueSeconds = 10;

// The signature of path if it is a regular file (following a symbolic link);
// nothing for anything else or nothing there.
std::optional<FileSignature> regularFileSignature(const QString &path);

// The whole of a regular file of at most maxBytes, opened without blocking
// (a FIFO or a device is never read); nothing otherwise. signature, when
// given, receives the file's as it was opened.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes,
                                          FileSignature *signature = nullptr);

// Decodes a sound file in any format libsndfile reads, converted to out;
// nothing when it is damaged, lies about its length, is empty, longer than
// MaxCueSeconds or in an encoding libsndfile rejects.
std::shared_ptr<const Cue> decodeCue(const QByteArray &bytes, CueFormat out, const QString &origin);
