#pragma once

#include "sound/cueoutput.h"
#include "sound/cuevoices.h"

#include <array>
#include <memory>

struct pa_context;
struct pa_mainloop_api;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

// Sends the cues to the sound server (PulseAudio, or PipeWire's PulseAudio
// service) from the server library's own thread: CueVoices decides what is
// written where, over two libpulse streams. Nothing here waits on the
// server; without one it is silent. When the server fails or goes away (it
// restarts for an update, a headset, a session ended), the streams are
// dropped and the connection tried again after a pause that doubles at each
// failure; cues asked for meanwhile are passed over.
class PulseCueOutput final : public CueOutput
{
public:
    PulseCueOutput(CueFormat format, qsizetype fadeFrames);
    ~PulseCueOutput() override;
    PulseCueOutput(const PulseCueOutput &) = delete;
    PulseCueOutput &operator=(const PulseCueOutput &) = delete;

    // Connects to the server and creates the streams, once; returns at once.
    void open() override;
    // Starts a cue, fading out the one playing.
    void start(std::shared_ptr<const Cue> cue) override;
    // Fades out the cues playing.
    void stop() override;

private:
    class PulseStream;

    // On the server library's thread, or under its lock.
    bool connectContext();
    void dropContext();
    void openStreams();
    void serverLost();
    void scheduleRetry();
    static void contextChanged(pa_context *context, void *self);
    static void retryNow(pa_mainloop_api *api, pa_time_event *event, const struct timeval *, void *self);

    CueFormat format_;
    CueVoices voices_;
    std::array<std::unique_ptr<PulseStream>, CueVoices::Count> streams_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    pa_time_event *retry_ = nullptr;
    int retryMilliseconds_ = FirstRetryMilliseconds;
    bool serverLost_ = false; // and not yet tried again
    bool opened_ = false;
};
