#pragma once

#include "platform/runtime/controls.h"

#include <QUrl>
#include <QWidget>

class SoundPlayer;

// The multimedia control that plays the cues. It has a place on its window
// but is never shown. Command words, matched without regard to case:
//   Stop  - stops the cue it holds;   Close - stops it and lets it go;
//   Open  - opens the file named last; Sound - plays it once, without waiting.
// A file is looked for in the working directory first; when it is not there
// the program's own cue of that name is used. A command that does not apply
// (Sound with nothing open, a file that is nowhere) does nothing.
class MciControl final : public QWidget, public MultimediaControl
{
    Q_OBJECT

public:
    MciControl(QWidget *parent, SoundPlayer &player);

    void setCommand(const QString &command) override;
    void setFileName(const QString &fileName) override;

    // Where a cue of that name is played from, or an empty URL.
    static QUrl locateCue(const QString &fileName);

private:
    SoundPlayer &player_;
    QString fileName_;
    QUrl opened_;
};
