#include "sound/cuevoices.h"

#include <algorithm>

CueVoices::CueVoices(CueFormat format, qsizetype fadeFrames) : format_(format)
{
    for (auto &voice : voices_)
        voice = std::make_unique<Voice>(format, fadeFrames);
}

void CueVoices::attach(std::size_t voice, CueSink *sink)
{
    Voice &v = *voices_.at(voice);
    v.sink = sink;
    v.cutting = false;
    if (!sink) {
        v.waiting.reset();
        v.stream.clear();
    }
    // A stream starts corked unless a cue is already waiting for it.
    v.corked = !v.stream.isPlaying();
}

bool CueVoices::startsCorked(std::size_t voice) const
{
    return !voices_.at(voice)->stream.isPlaying();
}

void CueVoices::start(std::shared_ptr<const Cue> cue)
{
    // The other voice, unless it still sounds and the latest one is corked.
    std::size_t next = 1 - latest_;
    if (!voices_[next]->corked && voices_[latest_]->corked)
        next = latest_;
    latest_ = next;
    Voice &voice = *voices_[next];
    for (const auto &other : voices_)
        if (other.get() != &voice)
            cut(*other);
    play(voice, std::move(cue));
}

void CueVoices::play(Voice &voice, std::shared_ptr<const Cue> cue)
{

    // Cues come within a moment of each other only when a voice's last one
    // may still be heard: this one then starts where that one fades, once
    // the server has said where it reads.
    if (voice.cutting || (!voice.corked && voice.stream.hasCue() && requestReadPosition(voice))) {
        voice.waiting = std::move(cue);
        return;
    }
    voice.stream.stop();
    const bool quiet = !voice.stream.isPlaying();
    voice.stream.start(std::move(cue));
    if (quiet)
        uncork(voice);
}

void CueVoices::cut(Voice &voice)
{
    voice.waiting.reset();
    if (voice.cutting || !voice.stream.hasCue())
        return;
    // The cut cue is queued at the server, most of it often: it fades from
    // just beyond where the server reads, once the server has said where.
    if (!voice.corked && requestReadPosition(voice))
        return;
    voice.stream.stop();
}

bool CueVoices::requestReadPosition(Voice &voice)
{
    if (!voice.sink || !voice.sink->isReady() || !voice.sink->requestReadPosition())
        return false;
    voice.cutting = true;
    return true;
}

void CueVoices::readPositionKnown(std::size_t voice, bool known)
{
    Voice &v = *voices_.at(voice);
    if (v.cutting) {
        v.cutting = false;
        fadeFromReadPosition(v, known);
    }
}

void CueVoices::fadeFromReadPosition(Voice &voice, bool known)
{
    qint64 frames = 0;
    const std::optional<qint64> beyond = known && voice.sink ? voice.sink->bytesBeyondPlayback() : std::nullopt;
    if (beyond)
        frames = std::max<qint64>(0, (*beyond - bytesFor(CutMarginMilliseconds)) / frameBytes());
    if (frames == 0 || !voice.stream.stopEarlier(qsizetype(frames))) {
        // Where the server reads is not known, or too little is queued to go
        // back over: what is queued plays out, and the fade follows it.
        frames = 0;
        voice.stream.stop();
    }
    if (voice.waiting)
        voice.stream.start(std::move(voice.waiting));
    voice.waiting.reset();
    // What was queued beyond the fade is written over, and a cue that
    // follows is written on.
    const qint64 back = frames * frameBytes();
    write(voice, bytesAhead(voice, qsizetype(back)), CueSink::Seek::Relative, -back);
}

void CueVoices::stop()
{
    for (const auto &voice : voices_)
        cut(*voice);
}

void CueVoices::uncork(Voice &voice)
{
    // Only silence is queued: the cue is written over it from just beyond
    // where the server reads, so that it waits for none of it.
    if (!voice.sink || !voice.sink->isReady())
        return;
    write(voice, bytesAhead(voice, bytesFor(BufferMilliseconds)), CueSink::Seek::RelativeOnRead,
          bytesFor(StartMarginMilliseconds));
    // The write may have failed the stream, and the output let go of it.
    if (voice.sink && voice.corked) {
        voice.corked = false;
        voice.sink->setCorked(false);
    }
}

void CueVoices::readyChanged(std::size_t voice)
{
    // A cue started while its stream was still being created found it corked
    // and could not uncork it: it is uncorked now, and heard at once.
    Voice &v = *voices_.at(voice);
    if (v.sink && v.sink->isReady() && v.corked && v.stream.isPlaying())
        uncork(v);
}

void CueVoices::setFailureHandler(std::function<void(std::size_t)> handler)
{
    failureHandler_ = std::move(handler);
}

void CueVoices::failed(std::size_t voice)
{
    if (failureHandler_)
        failureHandler_(voice);
}

void CueVoices::writeRequested(std::size_t voice, std::size_t bytes)
{
    Voice &v = *voices_.at(voice);
    write(v, bytesAhead(v, qsizetype(bytes)), CueSink::Seek::Relative);
    // Once its last cue has been heard out, a stream is corked, so that a
    // program at rest is never woken by its sound; the next cue uncorks it.
    // Only silence was requested since, so what is queued is no more than
    // tlength: all silence by now.
    if (v.sink && !v.corked && v.stream.silentFrames() * frameBytes() >= bytesFor(CorkAfterMilliseconds)) {
        v.corked = true;
        v.sink->setCorked(true);
    }
}

void CueVoices::write(Voice &voice, qsizetype bytes, CueSink::Seek seek, qint64 offset)
{
    if (!voice.sink)
        return;
    const qsizetype frameBytes = this->frameBytes();
    while (bytes >= frameBytes) {
        std::size_t size = std::size_t(bytes);
        void *data = voice.sink->beginWrite(size);
        if (!data)
            return;
        size -= size % std::size_t(frameBytes);
        if (size == 0) {
            voice.sink->cancelWrite();
            return;
        }
        voice.stream.read(static_cast<char *>(data), qint64(size));
        if (!voice.sink->write(data, size, offset, seek)) {
            // Nothing of it reached the server: the memory is given back, and
            // what was read for it is not counted as played (the cue fades
            // from there, or ends, as a cut one does).
            voice.sink->cancelWrite();
            if (!voice.stream.stopEarlier(qsizetype(size) / frameBytes))
                voice.stream.stop();
            // A stream that refuses what it asked for is broken.
            failed(indexOf(voice));
            return;
        }
        seek = CueSink::Seek::Relative; // the rest follows on
        offset = 0;
        bytes -= qsizetype(size);
    }
}

qsizetype CueVoices::bytesAhead(const Voice &voice, qsizetype atLeast) const
{
    const qsizetype cue = std::min(voice.stream.framesToPlay() * frameBytes(), bytesFor(WriteAheadMilliseconds));
    return std::max(atLeast, cue);
}

std::size_t CueVoices::indexOf(const Voice &voice) const
{
    const auto found = std::find_if(voices_.begin(), voices_.end(), [&](const auto &v) { return v.get() == &voice; });
    return std::size_t(found - voices_.begin());
}

qsizetype CueVoices::frameBytes() const
{
    return qsizetype(format_.channels) * qsizetype(sizeof(qint16));
}

qsizetype CueVoices::bytesFor(int milliseconds) const
{
    return qsizetype(format_.rate) * frameBytes() * milliseconds / 1000;
}
