#pragma once

#include "sound/cuesink.h"
#include "sound/cuestream.h"

#include <array>
#include <functional>
#include <memory>

// The cues written to a sound server's streams, whatever the server: a cue is
// written whole (up to a second at a time) as it starts, so that the server
// needs nothing more while it plays; a cue cut short is written over from
// where the server reads, with its fade. Two streams take the cues in turn,
// so that a cue never waits behind the one it cuts: that one fades out on its
// own stream meanwhile. Nothing here waits on the server, and nothing here
// locks: the output calls it under its server library's lock.
class CueVoices final
{
public:
    static constexpr std::size_t Count = 2;

    CueVoices(CueFormat format, qsizetype fadeFrames);

    // The stream of voice `voice`, once it exists; nullptr when it has gone
    // (the server went away), which drops what the voice held, so that
    // nothing of it plays late on the next stream.
    void attach(std::size_t voice, CueSink *sink);
    // Whether voice `voice` should start corked: true unless a cue waits.
    bool startsCorked(std::size_t voice) const;

    // Starts a cue, fading out the one playing.
    void start(std::shared_ptr<const Cue> cue);
    // Fades out the cues playing.
    void stop();

    // Told when a stream can no longer be written to (the server refused a
    // write, or failed the stream): the output lets go of its streams and
    // connects again, as when the server goes away.
    void setFailureHandler(std::function<void(std::size_t voice)> handler);

    // What the streams say.
    void readyChanged(std::size_t voice);
    void failed(std::size_t voice);
    void writeRequested(std::size_t voice, std::size_t bytes);
    void readPositionKnown(std::size_t voice, bool known);

    // The stream's target length (tlength): what the server keeps queued
    // between cues, which carries the sound over a moment this process is
    // not run. Only the part the server has already mixed delays a cue: a
    // cue is written over the rest, and a cut cue's remainder is written
    // over with its fade.
    static constexpr int BufferMilliseconds = 1010;
    // The minimum request (minreq): each request calls the write callback
    // on the server library's thread, even while the cue written ahead still
    // plays, so requests are few and large. With PA_STREAM_ADJUST_LATENCY the
    // server's own latency is what tlength leaves after two minimum
    // requests, halved.
    static constexpr int RequestMilliseconds = 500;
    // How far beyond the server's read position a cue begins: past what the
    // server has mixed ahead already (the stream's latency), where its first
    // samples would be lost.
    static constexpr int StartMarginMilliseconds = (BufferMilliseconds - 2 * RequestMilliseconds) / 2;
    // How much of a cue is written at once, beyond what the server
    // requests: the whole of a chime, so that no request comes while it
    // plays.
    static constexpr int WriteAheadMilliseconds = 1000;
    // How far beyond the server's read position a cut cue begins to fade:
    // room for what the server reads while the fade is on its way.
    static constexpr int CutMarginMilliseconds = 20;
    // After this much silence has been written a stream is corked, and the
    // server requests nothing more of it: by then it has read the last of
    // the cue. Long enough that at the fastest automatic pace (a verdict
    // every half second, each stream taking every other cue) a stream plays
    // on between its cues rather than being corked and uncorked at each, which
    // brings more messages from the server every time.
    static constexpr int CorkAfterMilliseconds = 2520;
    static_assert(CorkAfterMilliseconds >= BufferMilliseconds);

    qsizetype bytesFor(int milliseconds) const;

private:
    struct Voice
    {
        Voice(CueFormat format, qsizetype fadeFrames) : stream(format, fadeFrames) {}
        CueStream stream;
        CueSink *sink = nullptr;
        bool corked = true;   // the server requests nothing
        bool cutting = false; // waiting for the server's read position to fade from
        std::shared_ptr<const Cue> waiting; // starts where the cut one fades
    };

    void play(Voice &voice, std::shared_ptr<const Cue> cue);
    void write(Voice &voice, qsizetype bytes, CueSink::Seek seek, qint64 offset = 0);
    void uncork(Voice &voice);
    void cut(Voice &voice);
    bool requestReadPosition(Voice &voice);
    void fadeFromReadPosition(Voice &voice, bool known);
    qsizetype bytesAhead(const Voice &voice, qsizetype atLeast) const;
    qsizetype frameBytes() const;
    std::size_t indexOf(const Voice &voice) const;

    CueFormat format_;
    std::array<std::unique_ptr<Voice>, Count> voices_;
    std::size_t latest_ = 0; // the voice of the cue started last
    std::function<void(std::size_t)> failureHandler_;
};
