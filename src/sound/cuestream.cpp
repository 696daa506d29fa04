#include "sound/cuestream.h"

#include <algorithm>
#include <cstring>
#include <limits>

CueStream::CueStream(CueFormat format, qsizetype fadeFrames, QObject *parent)
    : QIODevice(parent), format_(format), fadeFrames_(std::max<qsizetype>(1, fadeFrames))
{
    // Unbuffered: a buffered QIODevice reads 16 KiB ahead (85 ms of sound),
    // and a cue asked for would wait behind that much silence or old cue.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void CueStream::start(std::shared_ptr<const Cue> cue)
{
    if (current_) {
        next_ = std::move(cue);
        if (currentSounds() && fadeLeft_ < 0)
            fadeLeft_ = fadeFrames_;
    } else {
        current_ = std::move(cue);
        position_ = 0;
    }
}

void CueStream::stop()
{
    next_.reset();
    if (!currentSounds())
        current_.reset();
    else if (fadeLeft_ < 0)
        fadeLeft_ = fadeFrames_;
}

void CueStream::clear()
{
    current_.reset();
    next_.reset();
    position_ = 0;
    fadeLeft_ = -1;
}

bool CueStream::stopEarlier(qsizetype frames)
{
    if (!current_ || fadeLeft_ >= 0 || frames < 0 || frames > position_)
        return false;
    position_ -= frames;
    if (currentSounds())
        fadeLeft_ = fadeFrames_;
    return true;
}

bool CueStream::isPlaying() const
{
    return bool(next_) || currentSounds();
}

bool CueStream::currentSounds() const
{
    return current_ && position_ < current_->frames();
}

qsizetype CueStream::framesToPlay() const
{
    if (!current_)
        return 0;
    qsizetype frames = std::max<qsizetype>(0, current_->frames() - position_);
    if (fadeLeft_ >= 0)
        frames = std::min(frames, fadeLeft_);
    return frames + (next_ ? next_->frames() : 0);
}

qint64 CueStream::bytesAvailable() const
{
    // Silence never runs out.
    return std::numeric_limits<qint32>::max() + QIODevice::bytesAvailable();
}

void CueStream::beginNext()
{
    current_ = std::move(next_);
    next_.reset();
    position_ = 0;
    fadeLeft_ = -1;
}

qint64 CueStream::readData(char *data, qint64 maxSize)
{
    const int channels = format_.channels;
    const qint64 frameBytes = qint64(channels) * qint64(sizeof(qint16));
    const qint64 frames = maxSize / frameBytes;
    auto *out = reinterpret_cast<qint16 *>(data);
    qint64 f = 0;
    while (f < frames) {
        if (next_ && !currentSounds())
            beginNext(); // the cue before ended in silence: no fade to wait for
        if (!currentSounds()) {
            // Silence to the end of what was asked for.
            const qint64 silent = frames - f;
            std::memset(out + f * channels, 0, size_t(silent * frameBytes));
            if (current_)
                position_ += qsizetype(silent);
            silentFrames_ += silent;
            break;
        }
        const qint16 *in = current_->samples.data() + position_ * channels;
        silentFrames_ = 0;
        if (fadeLeft_ < 0) {
            // The cue as it is, as far as it goes.
            const qint64 run = std::min<qint64>(frames - f, current_->frames() - position_);
            std::copy_n(in, run * channels, out + f * channels);
            position_ += qsizetype(run);
            f += run;
            continue;
        }
        // A fade is fadeFrames_ frames long, down to silence in its last.
        const double gain = double(fadeLeft_ - 1) / double(fadeFrames_);
        for (int c = 0; c < channels; ++c)
            out[f * channels + c] = qint16(in[c] * gain);
        ++position_;
        ++f;
        if (--fadeLeft_ == 0)
            beginNext();
    }
    return frames * frameBytes;
}
