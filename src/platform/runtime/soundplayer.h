#pragma once

#include <QUrl>

// Plays one sound at a time without ever waiting for it. The program uses
// QtSoundPlayer; tests record the calls.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QUrl &source) = 0;
    virtual void stop() = 0;
};
