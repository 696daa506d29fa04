#pragma once

#include <QtGlobal>

#include <cstddef>
#include <optional>

// One playback stream to a sound server, as the cue voices write to it: the
// server's own memory to write into, a position to write at, corking, and
// where the server reads. CueOutput's are libpulse's streams; tests give
// recording ones. Its answers come back through the CueVoices it was made
// for (readyChanged, writeRequested, readPositionKnown).
class CueSink
{
public:
    enum class Seek {
        Relative,      // after what was written last, offset from there
        RelativeOnRead // from where the server reads now, offset from there
    };

    virtual ~CueSink() = default;

    // Whether the stream is up and may be written to.
    virtual bool isReady() const = 0;
    // Up to `bytes` of the server's memory to write into (bytes is lowered
    // to what it gives); nullptr where it gives none.
    virtual void *beginWrite(std::size_t &bytes) = 0;
    // Sends what was written there; false when the server refused it.
    virtual bool write(const void *data, std::size_t bytes, qint64 offset, Seek seek) = 0;
    // Gives back the memory of beginWrite unsent.
    virtual void cancelWrite() = 0;
    virtual void setCorked(bool corked) = 0;
    // Asks where the server reads; false when it cannot be asked.
    virtual bool requestReadPosition() = 0;
    // Once the read position is known: the bytes written beyond what the
    // server has read and mixed ahead. Nothing when that is not known.
    virtual std::optional<qint64> bytesBeyondPlayback() const = 0;
};
