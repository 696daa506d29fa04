#include "sound/pulsecueoutput.h"

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <algorithm>

namespace {

// Holds the server library's lock for a call from the window's thread: its
// own thread holds it only while it answers the server, for microseconds.
class LoopLock
{
public:
    explicit LoopLock(pa_threaded_mainloop *loop) : loop_(loop)
    {
        if (loop_)
            pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock()
    {
        if (loop_)
            pa_threaded_mainloop_unlock(loop_);
    }
    LoopLock(const LoopLock &) = delete;
    LoopLock &operator=(const LoopLock &) = delete;

private:
    pa_threaded_mainloop *loop_;
};

void forget(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

// One libpulse playback stream, and its callbacks told to the voices. Used
// on the server library's thread, or under its lock.
class PulseCueOutput::PulseStream final : public CueSink
{
public:
    PulseStream(CueVoices &voices, std::size_t voice) : voices_(voices), voice_(voice) {}
    ~PulseStream() override
    {
        if (!stream_)
            return;
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
    }
    PulseStream(const PulseStream &) = delete;
    PulseStream &operator=(const PulseStream &) = delete;

    bool connect(pa_context *context, CueFormat format)
    {
        const pa_sample_spec spec{PA_SAMPLE_S16NE, uint32_t(format.rate), uint8_t(format.channels)};
        if (!pa_sample_spec_valid(&spec))
            return false;
        stream_ = pa_stream_new(context, "Cues", &spec, nullptr);
        if (!stream_)
            return false;
        pa_stream_set_write_callback(stream_, &PulseStream::writeRequested, this);
        pa_stream_set_state_callback(stream_, &PulseStream::stateChanged, this);
        pa_buffer_attr buffer{};
        buffer.maxlength = uint32_t(-1);
        buffer.tlength = uint32_t(voices_.bytesFor(CueVoices::BufferMilliseconds));
        buffer.prebuf = uint32_t(-1);
        buffer.minreq = uint32_t(voices_.bytesFor(CueVoices::RequestMilliseconds));
        buffer.fragsize = uint32_t(-1);
        // The whole latency is the buffer's, the server's own part included.
        voices_.attach(voice_, this);
        const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY
                                             | (voices_.startsCorked(voice_) ? PA_STREAM_START_CORKED : 0));
        if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
            voices_.attach(voice_, nullptr);
            return false; // let go by the destructor
        }
        return true;
    }

    bool isReady() const override { return stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY; }

    void *beginWrite(std::size_t &bytes) override
    {
        void *data = nullptr;
        if (pa_stream_begin_write(stream_, &data, &bytes) < 0)
            return nullptr;
        return data;
    }

    bool write(const void *data, std::size_t bytes, qint64 offset, Seek seek) override
    {
        return pa_stream_write(stream_, data, bytes, nullptr, offset,
                               seek == Seek::Relative ? PA_SEEK_RELATIVE : PA_SEEK_RELATIVE_ON_READ)
            >= 0;
    }

    void cancelWrite() override { pa_stream_cancel_write(stream_); }

    void setCorked(bool corked) override { forget(pa_stream_cork(stream_, corked ? 1 : 0, nullptr, nullptr)); }

    bool requestReadPosition() override
    {
        pa_operation *requested = pa_stream_update_timing_info(stream_, &PulseStream::timingKnown, this);
        if (!requested)
            return false;
        pa_operation_unref(requested);
        return true;
    }

    std::optional<qint64> bytesBeyondPlayback() const override
    {
        const pa_timing_info *timing = pa_stream_get_timing_info(stream_);
        if (!timing || timing->write_index_corrupt || timing->read_index_corrupt)
            return std::nullopt;
        const auto mixed = qint64(pa_usec_to_bytes(timing->configured_sink_usec, pa_stream_get_sample_spec(stream_)));
        return timing->write_index - timing->read_index - mixed;
    }

private:
    static void writeRequested(pa_stream *, size_t bytes, void *self)
    {
        auto &s = *static_cast<PulseStream *>(self);
        s.voices_.writeRequested(s.voice_, bytes);
    }
    static void stateChanged(pa_stream *stream, void *self)
    {
        auto &s = *static_cast<PulseStream *>(self);
        switch (pa_stream_get_state(stream)) {
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED: // not by us: the callback is gone by then
            s.voices_.failed(s.voice_);
            break;
        default:
            s.voices_.readyChanged(s.voice_);
            break;
        }
    }
    static void timingKnown(pa_stream *, int success, void *self)
    {
        auto &s = *static_cast<PulseStream *>(self);
        s.voices_.readPositionKnown(s.voice_, success != 0);
    }

    CueVoices &voices_;
    std::size_t voice_;
    pa_stream *stream_ = nullptr;
};

PulseCueOutput::PulseCueOutput(CueFormat format, qsizetype fadeFrames) : format_(format), voices_(format, fadeFrames)
{
    // A broken stream is recovered from as a lost server is: everything is
    // made anew, so no stream is left half in use.
    voices_.setFailureHandler([this](std::size_t) { serverLost(); });
}

PulseCueOutput::~PulseCueOutput()
{
    if (!loop_)
        return;
    // The thread only ever waits on its sockets and the retry's timer: it
    // ends at once.
    pa_threaded_mainloop_stop(loop_);
    if (retry_) {
        pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop_);
        api->time_free(retry_);
    }
    for (auto &stream : streams_)
        stream.reset();
    dropContext();
    pa_threaded_mainloop_free(loop_);
}

void PulseCueOutput::open()
{
    if (opened_)
        return;
    opened_ = true;
    loop_ = pa_threaded_mainloop_new();
    if (!loop_)
        return;
    if (connectContext() && pa_threaded_mainloop_start(loop_) >= 0)
        return;
    dropContext();
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

bool PulseCueOutput::connectContext()
{
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Shoot a Lot");
    if (!context_)
        return false;
    pa_context_set_state_callback(context_, &PulseCueOutput::contextChanged, this);
    // No server started on our behalf: without one the program is silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        return false;
    }
    return true;
}

void PulseCueOutput::dropContext()
{
    if (!context_)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseCueOutput::contextChanged(pa_context *context, void *self)
{
    // On the server library's thread.
    auto &output = *static_cast<PulseCueOutput *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        output.retryMilliseconds_ = FirstRetryMilliseconds;
        output.openStreams();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        output.serverLost();
        break;
    default:
        break;
    }
}

void PulseCueOutput::serverLost()
{
    // Perhaps inside a stream's own callback: the streams are only let go
    // of, and freed when the retry comes.
    serverLost_ = true;
    for (std::size_t i = 0; i < streams_.size(); ++i)
        voices_.attach(i, nullptr);
    scheduleRetry();
}

void PulseCueOutput::scheduleRetry()
{
    if (retry_)
        return;
    timeval when{};
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(retryMilliseconds_) * PA_USEC_PER_MSEC);
    retryMilliseconds_ = std::min(2 * retryMilliseconds_, LongestRetryMilliseconds);
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop_);
    retry_ = api->time_new(api, &when, &PulseCueOutput::retryNow, this);
}

void PulseCueOutput::retryNow(pa_mainloop_api *api, pa_time_event *event, const struct timeval *, void *self)
{
    // On the server library's thread: the lost context is let go here, not
    // inside its own callback.
    auto &output = *static_cast<PulseCueOutput *>(self);
    api->time_free(event);
    output.retry_ = nullptr;
    for (auto &stream : output.streams_)
        stream.reset();
    output.dropContext();
    output.serverLost_ = false;
    if (!output.connectContext()) {
        output.serverLost_ = true;
        output.scheduleRetry();
    }
}

void PulseCueOutput::openStreams()
{
    for (std::size_t i = 0; i < streams_.size(); ++i) {
        auto stream = std::make_unique<PulseStream>(voices_, i);
        if (stream->connect(context_, format_))
            streams_[i] = std::move(stream);
    }
}

void PulseCueOutput::start(std::shared_ptr<const Cue> cue)
{
    const LoopLock hold(loop_);
    // While there is no server, a cue is passed over rather than played late.
    if (!serverLost_)
        voices_.start(std::move(cue));
}

void PulseCueOutput::stop()
{
    const LoopLock hold(loop_);
    voices_.stop();
}

std::unique_ptr<CueOutput> makeCueOutput(CueFormat format, qsizetype fadeFrames)
{
    return std::make_unique<PulseCueOutput>(format, fadeFrames);
}
