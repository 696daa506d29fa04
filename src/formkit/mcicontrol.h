#pragma once

#include "runtime/controls.h"

#include <QWidget>

class SoundPlayer;

// The multimedia control that plays the cues. It has a place on its window
// but is never shown. Command words, matched without regard to case:
//   Stop  - ends the cue that plays;   Close - ends it and lets it go;
//   Open  - opens the file named last; Sound - plays it once, without waiting.
// The player finds the file (the working folder's, else the program's own)
// and stays silent where there is none. A command it does not know, or
// Sound with nothing open, does nothing.
class MciControl final : public QWidget, public MultimediaControl
{
    Q_OBJECT

public:
    MciControl(QWidget *parent, SoundPlayer &player);

    void setCommand(const QString &command) override;
    void setFileName(const QString &fileName) override;

private:
    SoundPlayer &player_;
    QString fileName_;
    QString opened_;
};
