#include "platform/qt/qtsoundplayer.h"

void QtSoundPlayer::play(const QUrl &source)
{
    if (effect_.source() != source)
        effect_.setSource(source); // loads in the background
    effect_.play();                // starts as soon as it is loaded
}

void QtSoundPlayer::stop()
{
    effect_.stop();
}
