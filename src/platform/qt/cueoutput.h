#pragma once

#include "platform/qt/cuestream.h"

#include <memory>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Sends the cues to the sound server (PulseAudio, or PipeWire's PulseAudio
// service) from the server library's own thread: the server asks for the
// next few milliseconds as it needs them and they are written there and
// then, whatever the window's thread is doing. Nothing here waits on the
// server; without one it is silent.
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
    // Fades out the cue playing.
    void stop();

    // What the server keeps queued of the stream: what a cue waits behind
    // while another plays, and what carries the sound over a moment this
    // process is not run.
    static constexpr int BufferMilliseconds = 30;
    // How much the server asks for at a time: each ask wakes a thread.
    static constexpr int RequestMilliseconds = 10;
    // After this long without a cue the stream rests, and nothing wakes.
    static constexpr int RestAfterMilliseconds = 1000;

private:
    static void contextChanged(pa_context *context, void *self);
    static void streamWants(pa_stream *stream, size_t bytes, void *self);
    void openStream();
    // On the server library's thread, or under its lock.
    void write(qsizetype bytes);
    void wake();
    qsizetype bytesFor(int milliseconds) const;

    CueFormat format_;
    CueStream stream_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    pa_stream *playback_ = nullptr;
    bool opened_ = false;
    bool resting_ = true;   // corked: the server asks for nothing
    qint64 quietBytes_ = 0; // written since the last cue ended
};
