#pragma once

#include "sound/cuedecoder.h"

#include <QIODevice>

#include <memory>

// The sound output's source: the cue now playing, then silence, without a
// gap ever (a gap in the stream is a click). Starting a cue while another
// plays fades the other out first; stopping fades it out. A cue read to its
// end is kept, with the silence read after it, for as long as an output may
// still write over what it has not yet played (see stopEarlier).
class CueStream final : public QIODevice
{
    Q_OBJECT

public:
    // fadeFrames: the length of a fade-out, in frames of format.
    CueStream(CueFormat format, qsizetype fadeFrames, QObject *parent = nullptr);

    void start(std::shared_ptr<const Cue> cue);
    void stop();
    // Drops every cue at once, without a fade: for a stream whose output is
    // gone, so that nothing of it plays later.
    void clear();
    // Goes back `frames` frames from the next one to be read, so that what
    // was read since is read again: the cue fades out from there, or, when
    // its end was already read by then, silence follows; a cue started
    // meanwhile comes after either. For an output that can still write over
    // what it has not yet played. Does nothing and says so when that much
    // has not been read since the cue began, or it is already fading out.
    bool stopEarlier(qsizetype frames);
    // Whether a cue has frames still to be read.
    bool isPlaying() const;
    // Whether a cue is kept: playing, or read to its end and not yet stopped.
    bool hasCue() const { return bool(current_) || bool(next_); }
    // Frames of cue still to be read, fades included.
    qsizetype framesToPlay() const;
    // Frames of silence read since the last frame of a cue.
    qint64 silentFrames() const { return silentFrames_; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    bool currentSounds() const;
    void beginNext();

    CueFormat format_;
    qsizetype fadeFrames_;
    std::shared_ptr<const Cue> current_;
    std::shared_ptr<const Cue> next_; // starts once current_ has faded out or ended
    qsizetype position_ = 0;          // frames read since current_ began, silence after it included
    qsizetype fadeLeft_ = -1;         // frames of fade-out left; -1: not fading
    qint64 silentFrames_ = 0;
};
