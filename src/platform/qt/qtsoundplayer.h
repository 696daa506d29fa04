#pragma once

#include "platform/runtime/soundplayer.h"

#include <QSoundEffect>

// Plays WAV cues through QSoundEffect. Without an audio device, or with a
// file that cannot be read, QSoundEffect stays silent, which is all a cue
// may do then.
class QtSoundPlayer final : public SoundPlayer
{
public:
    void play(const QUrl &source) override;
    void stop() override;

private:
    QSoundEffect effect_;
};
