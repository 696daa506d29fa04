#include "sound/cuedecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// libsndfile reads from memory through these.
struct MemoryFile
{
    const QByteArray &bytes;
    sf_count_t position = 0;
};

sf_count_t memoryLength(void *user)
{
    return static_cast<MemoryFile *>(user)->bytes.size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->position : m->bytes.size();
    m->position = std::clamp<sf_count_t>(base + offset, 0, m->bytes.size());
    return m->position;
}

sf_count_t memoryRead(void *to, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(m->bytes.size() - m->position, 0, count);
    std::copy_n(m->bytes.constData() + m->position, n, static_cast<char *>(to));
    m->position += n;
    return n;
}

sf_count_t memoryWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t memoryTell(void *user)
{
    return static_cast<MemoryFile *>(user)->position;
}

struct SndfileCloser
{
    void operator()(SNDFILE *f) const { sf_close(f); }
};

// The bytes a frame of this sample encoding takes in a data chunk; 0 for
// the encodings whose frames are not of one size.
int bytesPerSample(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW:
        return 1;
    case SF_FORMAT_PCM_16:
        return 2;
    case SF_FORMAT_PCM_24:
        return 3;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 4;
    case SF_FORMAT_DOUBLE:
        return 8;
    default:
        return 0;
    }
}

// Whether the file's "data" chunk, as its header declares it, is longer
// than the frames libsndfile found in it: a cut or lying file.
bool promisesMoreThanItHolds(SNDFILE *file, const SF_INFO &info)
{
    const int width = bytesPerSample(info.format);
    if (width == 0)
        return false;
    SF_CHUNK_INFO wanted{};
    std::memcpy(wanted.id, "data", 4);
    wanted.id_size = 4;
    SF_CHUNK_ITERATOR *chunk = sf_get_chunk_iterator(file, &wanted);
    if (!chunk)
        return false; // no chunks of that name in this kind of file
    SF_CHUNK_INFO declared{};
    if (sf_get_chunk_size(chunk, &declared) != SF_ERR_NO_ERROR)
        return true;
    return sf_count_t(declared.datalen) > info.frames * info.channels * width;
}

} // namespace

std::shared_ptr<const Cue> decodeCue(const QByteArray &bytes, CueFormat out, const QString &origin)
{
    MemoryFile memory{bytes};
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open_virtual(&io, SFM_READ, &info, &memory));
    if (!file || info.channels < 1 || info.channels > 8 || info.samplerate < 1000
        || info.samplerate > 384000 || info.frames < 1
        || info.frames > sf_count_t(MaxCueSeconds) * info.samplerate)
        return nullptr;
    // A header whose data chunk claims more than the file holds is damage,
    // not a cue (libsndfile plays what is there).
    if (promisesMoreThanItHolds(file.get(), info))
        return nullptr;

    // To the output's rate (linear interpolation) and channels (a mono cue
    // on every channel, extra channels dropped), a chunk of frames at a
    // time: what a cue takes is what it is as played, never what a long,
    // fast, many-channel file decodes to.
    auto cue = std::make_shared<Cue>();
    cue->origin = origin;
    cue->rate = out.rate;
    cue->channels = out.channels;
    const double step = double(info.samplerate) / out.rate;
    const auto frames = qsizetype(std::floor(double(info.frames - 1) / step)) + 1;
    cue->samples.resize(std::size_t(frames) * std::size_t(out.channels));

    constexpr sf_count_t ChunkFrames = 4096;
    const auto channels = std::size_t(info.channels);
    // Slot 0 carries the last frame of the chunk before; frame j of the
    // file stands in slot j - first + 1.
    std::vector<float> chunk(std::size_t(ChunkFrames + 1) * channels);
    sf_count_t first = 0;
    sf_count_t read = 0;
    qsizetype i = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(file.get(), chunk.data() + channels, ChunkFrames);
        if (got <= 0)
            break;
        read += got;
        const sf_count_t end = first + got;
        for (; i < frames; ++i) {
            const double at = i * step;
            const auto k = sf_count_t(at);
            const sf_count_t next = std::min<sf_count_t>(k + 1, info.frames - 1);
            if (next >= end)
                break; // in the next chunk
            const double t = at - double(k);
            const float *a = chunk.data() + std::size_t(k - first + 1) * channels;
            const float *b = chunk.data() + std::size_t(next - first + 1) * channels;
            for (int c = 0; c < out.channels; ++c) {
                const auto from = std::size_t(std::min(c, info.channels - 1));
                const double v = std::clamp(a[from] + (b[from] - a[from]) * t, -1.0, 1.0);
                cue->samples[std::size_t(i * out.channels + c)] = qint16(std::lround(v * 32767));
            }
        }
        std::copy_n(chunk.data() + std::size_t(got) * channels, channels, chunk.data());
        first = end;
        if (read > info.frames)
            return nullptr; // more than the header promised
    }
    // Every frame the header promised, and none missing from what was played.
    if (read != info.frames || i != frames || sf_error(file.get()) != SF_ERR_NO_ERROR)
        return nullptr;
    return cue;
}
