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

// The longest a cue may play: a cue is short.
inline constexpr int MaxCueSeconds = 10;

// Decodes a sound file in any format libsndfile reads, converted to out;
// nothing when it is damaged, lies about its length, is empty, longer than
// MaxCueSeconds or in an encoding libsndfile rejects.
std::shared_ptr<const Cue> decodeCue(const QByteArray &bytes, CueFormat out, const QString &origin);
