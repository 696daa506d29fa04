#include "sound/cueoutput.h"

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

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

CueOutput::CueOutput(CueFormat format, qsizetype fadeFrames) : format_(format)
{
    for (auto &voice : voices_)
        voice = std::make_unique<Voice>(*this, format, fadeFrames);
}

CueOutput::~CueOutput()
{
    if (!loop_)
        return;
    // The thread only ever waits on its sockets: it ends at once.
    pa_threaded_mainloop_stop(loop_);
    for (const auto &voice : voices_)
        if (voice->playback) {
            pa_stream_set_write_callback(voice->playback, nullptr, nullptr);
            pa_stream_set_state_callback(voice->playback, nullptr, nullptr);
            pa_stream_disconnect(voice->playback);
            pa_stream_unref(voice->playback);
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
    if (pa_context_get_state(context) == PA_CONTEXT_READY) {
        auto *output = static_cast<CueOutput *>(self);
        for (const auto &voice : output->voices_)
            output->openStream(*voice);
    }
}

void CueOutput::openStream(Voice &voice)
{
    const pa_sample_spec spec{PA_SAMPLE_S16NE, uint32_t(format_.rate), uint8_t(format_.channels)};
    if (!pa_sample_spec_valid(&spec))
        return;
    voice.playback = pa_stream_new(context_, "Cues", &spec, nullptr);
    if (!voice.playback)
        return;
    pa_stream_set_write_callback(voice.playback, &CueOutput::writeRequested, &voice);
    pa_stream_set_state_callback(voice.playback, &CueOutput::streamChanged, &voice);
    pa_buffer_attr buffer{};
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(bytesFor(BufferMilliseconds));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(bytesFor(RequestMilliseconds));
    buffer.fragsize = uint32_t(-1);
    // The whole latency is the buffer's, the server's own part included. A
    // stream starts corked unless a cue is already waiting for it.
    voice.corked = !voice.stream.isPlaying();
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | (voice.corked ? PA_STREAM_START_CORKED : 0));
    if (pa_stream_connect_playback(voice.playback, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        pa_stream_unref(voice.playback);
        voice.playback = nullptr;
    }
}

void CueOutput::start(std::shared_ptr<const Cue> cue)
{
    const LoopLock hold(loop_);
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

void CueOutput::play(Voice &voice, std::shared_ptr<const Cue> cue)
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

void CueOutput::cut(Voice &voice)
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

bool CueOutput::requestReadPosition(Voice &voice)
{
    if (!voice.playback || pa_stream_get_state(voice.playback) != PA_STREAM_READY)
        return false;
    pa_operation *requested = pa_stream_update_timing_info(voice.playback, &CueOutput::positionKnown, &voice);
    if (!requested)
        return false;
    pa_operation_unref(requested);
    voice.cutting = true;
    return true;
}

void CueOutput::positionKnown(pa_stream *, int success, void *voice)
{
    auto &v = *static_cast<Voice *>(voice);
    if (v.cutting) {
        v.cutting = false;
        v.output.fadeFromReadPosition(v, success != 0);
    }
}

void CueOutput::fadeFromReadPosition(Voice &voice, bool known)
{
    qint64 frames = 0;
    const pa_timing_info *timing = known ? pa_stream_get_timing_info(voice.playback) : nullptr;
    if (timing && !timing->write_index_corrupt && !timing->read_index_corrupt) {
        const qint64 margin = bytesFor(CutMarginMilliseconds)
            + qint64(pa_usec_to_bytes(timing->configured_sink_usec, pa_stream_get_sample_spec(voice.playback)));
        frames = std::max<qint64>(0, (timing->write_index - timing->read_index - margin) / frameBytes());
    }
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
    write(voice, bytesAhead(voice, qsizetype(back)), PA_SEEK_RELATIVE, -back);
}

void CueOutput::stop()
{
    const LoopLock hold(loop_);
    for (const auto &voice : voices_)
        cut(*voice);
}

void CueOutput::uncork(Voice &voice)
{
    // Only silence is queued: the cue is written over it from just beyond
    // where the server reads, so that it waits for none of it.
    if (!voice.playback || pa_stream_get_state(voice.playback) != PA_STREAM_READY)
        return;
    write(voice, bytesAhead(voice, bytesFor(BufferMilliseconds)), PA_SEEK_RELATIVE_ON_READ,
          bytesFor(StartMarginMilliseconds));
    if (voice.corked) {
        voice.corked = false;
        forget(pa_stream_cork(voice.playback, 0, nullptr, nullptr));
    }
}

void CueOutput::streamChanged(pa_stream *stream, void *voice)
{
    // A cue started while its stream was still being created found it corked
    // and could not uncork it: it is uncorked now, and heard at once.
    auto &v = *static_cast<Voice *>(voice);
    if (pa_stream_get_state(stream) == PA_STREAM_READY && v.corked && v.stream.isPlaying())
        v.output.uncork(v);
}

void CueOutput::writeRequested(pa_stream *, size_t bytes, void *voice)
{
    auto &v = *static_cast<Voice *>(voice);
    CueOutput &output = v.output;
    output.write(v, output.bytesAhead(v, qsizetype(bytes)), PA_SEEK_RELATIVE);
    // Once its last cue has been heard out, a stream is corked, so that a
    // program at rest is never woken by its sound; the next cue uncorks it.
    // Only silence was requested since, so what is queued is no more than
    // tlength: all silence by now.
    if (!v.corked && v.stream.silentFrames() * output.frameBytes() >= output.bytesFor(CorkAfterMilliseconds)) {
        v.corked = true;
        forget(pa_stream_cork(v.playback, 1, nullptr, nullptr));
    }
}

void CueOutput::write(Voice &voice, qsizetype bytes, pa_seek_mode seek, qint64 offset)
{
    const qsizetype frameBytes = this->frameBytes();
    while (bytes >= frameBytes) {
        void *data = nullptr;
        size_t size = size_t(bytes);
        if (pa_stream_begin_write(voice.playback, &data, &size) < 0 || !data)
            return;
        size -= size % size_t(frameBytes);
        if (size == 0) {
            pa_stream_cancel_write(voice.playback);
            return;
        }
        voice.stream.read(static_cast<char *>(data), qint64(size));
        if (pa_stream_write(voice.playback, data, size, nullptr, offset, seek) < 0) {
            // Nothing of it reached the server: the buffer is given back, and
            // what was read for it is not counted as played (the cue fades
            // from there, or ends, as a cut one does).
            pa_stream_cancel_write(voice.playback);
            if (!voice.stream.stopEarlier(qsizetype(size) / frameBytes))
                voice.stream.stop();
            return;
        }
        seek = PA_SEEK_RELATIVE; // the rest follows on
        offset = 0;
        bytes -= qsizetype(size);
    }
}

qsizetype CueOutput::bytesAhead(const Voice &voice, qsizetype atLeast) const
{
    const qsizetype cue = std::min(voice.stream.framesToPlay() * frameBytes(), bytesFor(WriteAheadMilliseconds));
    return std::max(atLeast, cue);
}

qsizetype CueOutput::frameBytes() const
{
    return qsizetype(format_.channels) * qsizetype(sizeof(qint16));
}

qsizetype CueOutput::bytesFor(int milliseconds) const
{
    return qsizetype(format_.rate) * frameBytes() * milliseconds / 1000;
}
