#pragma once

#include <QString>

// Plays the cues, one at a time, never waiting for them. A cue is named by
// its bare file name; the player finds it (a file of that name in the
// working folder, else the program's own) and keeps it ready once found.
// The program uses CuePlayer; tests record the calls.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Gets the cue of that name ready to play; costs no decoding when it is
    // known already.
    virtual void open(const QString &fileName) = 0;
    // Starts it, after a short fade of whatever still plays.
    virtual void play(const QString &fileName) = 0;
    // Ends what plays, with a short fade.
    virtual void stop() = 0;
};
