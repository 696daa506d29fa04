#include "platform/qt/cueoutput.h"

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

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

CueOutput::CueOutput(CueFormat format, qsizetype fadeFrames)
    : format_(format), stream_(format, fadeFrames)
{
}

CueOutput::~CueOutput()
{
    if (!loop_)
        return;
    // The thread only ever waits on its sockets: it ends at once.
    pa_threaded_mainloop_stop(loop_);
    if (playback_) {
        pa_stream_set_write_callback(playback_, nullptr, nullptr);
        pa_stream_disconnect(playback_);
        pa_stream_unref(playback_);
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

void CueOutput::open()
{
    if (opened_)
        return;
    opened_ = true;
    loop_ = pa_threaded_mainloop_new();
    if (!loop_)
        return;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Shoot a Lot");
    if (context_) {
        pa_context_set_state_callback(context_, &CueOutput::contextChanged, this);
        // No server started on our behalf: without one the program is silent.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0
            && pa_threaded_mainloop_start(loop_) >= 0)
            return;
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

void CueOutput::contextChanged(pa_context *context, void *self)
{
    // On the server library's thread. A server that fails or goes away
    // leaves the program silent, as one that was never there.
    if (pa_context_get_state(context) == PA_CONTEXT_READY)
        static_cast<CueOutput *>(self)->openStream();
}

void CueOutput::openStream()
{
    const pa_sample_spec spec{PA_SAMPLE_S16NE, uint32_t(format_.rate), uint8_t(format_.channels)};
    if (!pa_sample_spec_valid(&spec))
        return;
    playback_ = pa_stream_new(context_, "Cues", &spec, nullptr);
    if (!playback_)
        return;
    pa_stream_set_write_callback(playback_, &CueOutput::streamWants, this);
    pa_buffer_attr buffer{};
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(bytesFor(BufferMilliseconds));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(bytesFor(RequestMilliseconds));
    buffer.fragsize = uint32_t(-1);
    // The whole latency is the buffer's, the server's own part included. The
    // stream starts at rest unless a cue is already waiting for it.
    resting_ = !stream_.isPlaying();
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | (resting_ ? PA_STREAM_START_CORKED : 0));
    if (pa_stream_connect_playback(playback_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        pa_stream_unref(playback_);
        playback_ = nullptr;
    }
}

void CueOutput::start(std::shared_ptr<const Cue> cue)
{
    const LoopLock hold(loop_);
    const bool quiet = !stream_.isPlaying();
    stream_.start(std::move(cue));
    quietBytes_ = 0;
    if (quiet)
        wake();
}

void CueOutput::stop()
{
    const LoopLock hold(loop_);
    stream_.stop();
}

void CueOutput::wake()
{
    // Only silence is queued: it is dropped, and the server asks for the cue
    // at once instead of playing that silence first.
    if (!playback_ || pa_stream_get_state(playback_) != PA_STREAM_READY)
        return;
    forget(pa_stream_flush(playback_, nullptr, nullptr));
    if (resting_) {
        resting_ = false;
        forget(pa_stream_cork(playback_, 0, nullptr, nullptr));
    }
}

void CueOutput::streamWants(pa_stream *, size_t bytes, void *self)
{
    static_cast<CueOutput *>(self)->write(qsizetype(bytes));
}

void CueOutput::write(qsizetype bytes)
{
    const qsizetype frameBytes = qsizetype(format_.channels) * qsizetype(sizeof(qint16));
    while (bytes >= frameBytes) {
        void *data = nullptr;
        size_t size = size_t(bytes);
        if (pa_stream_begin_write(playback_, &data, &size) < 0 || !data)
            return;
        size -= size % size_t(frameBytes);
        if (size == 0) {
            pa_stream_cancel_write(playback_);
            return;
        }
        stream_.read(static_cast<char *>(data), qint64(size));
        if (pa_stream_write(playback_, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= qsizetype(size);
        quietBytes_ = stream_.isPlaying() ? 0 : quietBytes_ + qint64(size);
    }
    // A while after the last cue has ended the stream rests, so that a
    // program at rest is never woken by its sound; the next cue wakes it.
    if (!resting_ && quietBytes_ >= bytesFor(RestAfterMilliseconds)) {
        resting_ = true;
        forget(pa_stream_cork(playback_, 1, nullptr, nullptr));
    }
}

qsizetype CueOutput::bytesFor(int milliseconds) const
{
    return qsizetype(format_.rate) * format_.channels * qsizetype(sizeof(qint16)) * milliseconds / 1000;
}
