#pragma once

#include "platform/qt/cuedecoder.h"

#include <QIODevice>

#include <memory>

// The sound output's source: the cue now playing, then silence, without a
// gap ever (a gap in the stream is a click). Starting a cue while another
// plays fades the other out first; stopping fades it out.
class CueStream final : public QIODevice
{
    Q_OBJECT

public:
    // fadeFrames: the length of a fade-out, in frames of format.
    CueStream(CueFormat format, qsizetype fadeFrames, QObject *parent = nullptr);

    void start(std::shared_ptr<const Cue> cue);
    void stop();
    // Fades out from the frame `frames` back from the next one to be read,
    // so that what was read since is read again, fading: for an output that
    // can still write over what it has not yet played. Does nothing and
    // says so when the cue playing has not that much read, is already
    // fading out, or has another waiting.
    bool stopEarlier(qsizetype frames);
    bool isPlaying() const { return bool(current_) || bool(next_); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    CueFormat format_;
    qsizetype fadeFrames_;
    std::shared_ptr<const Cue> current_;
    std::shared_ptr<const Cue> next_; // starts once current_ has faded out
    qsizetype position_ = 0;          // in frames of current_
    qsizetype fadeLeft_ = -1;         // frames of fade-out left; -1: not fading
};
