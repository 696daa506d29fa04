#pragma once

#include "platform/qt/cuestream.h"

#include <pulse/def.h>

#include <array>
#include <memory>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Sends the cues to the sound server (PulseAudio, or PipeWire's PulseAudio
// service) from the server library's own thread: the server asks for the
// next few milliseconds as it needs them and they are written there and
// then, whatever the window's thread is doing. Two streams take the cues in
// turn, so that a cue never waits behind the one it cuts: that one fades out
// on its own stream meanwhile. Nothing here waits on the server; without one
// it is silent.
class CueOutput final
{
public:
    CueOutput(CueFormat format, qsizetype fadeFrames);
    ~CueOutput();
    CueOutput(const CueOutput &) = delete;
    CueOutput &operator=(const CueOutput &) = delete;

    // Asks the server for a stream, once; returns at once.
    void open();
    // Starts a cue, fading out the one playing.
    void start(std::shared_ptr<const Cue> cue);
    // Fades out the cues playing.
    void stop();

    // What the server keeps queued of a stream: what carries the sound over
    // a moment this process is not run, and how long a cut cue goes on.
    static constexpr int BufferMilliseconds = 30;
    // How much the server asks for at a time: each ask wakes a thread.
    static constexpr int RequestMilliseconds = 10;
    // After this long without a cue a stream rests, and nothing wakes for it.
    static constexpr int RestAfterMilliseconds = 100;

private:
    // One stream to the server and what it plays.
    struct Voice
    {
        Voice(CueOutput &output, CueFormat format, qsizetype fadeFrames)
            : output(output), stream(format, fadeFrames) {}
        CueOutput &output;
        CueStream stream;
        pa_stream *playback = nullptr;
        bool resting = true;   // corked: the server asks for nothing
        qint64 quietBytes = 0; // written since its last cue ended
    };

    static void contextChanged(pa_context *context, void *self);
    static void streamWants(pa_stream *stream, size_t bytes, void *voice);
    // On the server library's thread, or under its lock.
    void openStream(Voice &voice);
    void write(Voice &voice, qsizetype bytes, pa_seek_mode seek);
    void wake(Voice &voice);
    qsizetype bytesFor(int milliseconds) const;

    CueFormat format_;
    std::array<std::unique_ptr<Voice>, 2> voices_;
    std::size_t latest_ = 0; // the voice of the cue started last
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    bool opened_ = false;
};
