#pragma once

#include "sound/cuedecoder.h"

#include <memory>

// Where the cue player sends its cues: the sound server through libpulse
// (PulseCueOutput), or Qt Multimedia where the program is built without it
// (QtCueOutput). Neither ever waits on the sound system; without one, they
// are silent. When it goes away (the server restarts for an update, a
// headset, a session ended) they connect again by themselves, after a pause
// that doubles at each failure, and pass over the cues asked for meanwhile.
class CueOutput
{
public:
    virtual ~CueOutput() = default;
    // Opens the output, once; returns at once.
    virtual void open() = 0;
    // Starts a cue, fading out the one playing.
    virtual void start(std::shared_ptr<const Cue> cue) = 0;
    // Fades out the cues playing.
    virtual void stop() = 0;

    // The pause before connecting again after the sound system was lost,
    // and the longest it grows to: one that never comes back costs a timer.
    static constexpr int FirstRetryMilliseconds = 250;
    static constexpr int LongestRetryMilliseconds = 30'000;
};

// The output this build plays through.
std::unique_ptr<CueOutput> makeCueOutput(CueFormat format, qsizetype fadeFrames);
