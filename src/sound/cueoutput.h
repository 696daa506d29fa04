#pragma once

#include "sound/cuevoices.h"

#include <array>
#include <memory>

struct pa_context;
struct pa_threaded_mainloop;

// Sends the cues to the sound server (PulseAudio, or PipeWire's PulseAudio
// service) from the server library's own thread: CueVoices decides what is
// written where, over two libpulse streams. Nothing here waits on the
// server; without one it is silent.
class CueOutput final
{
public:
    CueOutput(CueFormat format, qsizetype fadeFrames);
    ~CueOutput();
    CueOutput(const CueOutput &) = delete;
    CueOutput &operator=(const CueOutput &) = delete;

    // Connects to the server and creates the streams, once; returns at once.
    void open();
    // Starts a cue, fading out the one playing.
    void start(std::shared_ptr<const Cue> cue);
    // Fades out the cues playing.
    void stop();

private:
    class PulseStream;

    static void contextChanged(pa_context *context, void *self);
    void openStreams();

    CueFormat format_;
    CueVoices voices_;
    std::array<std::unique_ptr<PulseStream>, CueVoices::Count> streams_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    bool opened_ = false;
};
