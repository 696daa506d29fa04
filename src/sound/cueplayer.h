#pragma once

#include "sound/cuelibrary.h"
#include "sound/cueoutput.h"
#include "runtime/soundplayer.h"

#include <QObject>

#include <memory>

// Plays the cues through the build's CueOutput (long-lived streams to the sound
// server, fed from a thread of their own): no sample cache, no decoding on
// the GUI thread, and a start that returns at once whatever the sound server
// does. Without a sound server it is silent.
class CuePlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    // files: how the working folder is read; the file system when none.
    explicit CuePlayer(std::shared_ptr<const CueFiles> files = nullptr, QObject *parent = nullptr);
    ~CuePlayer() override;

    void open(const QString &fileName) override;
    void play(const QString &fileName) override;
    void stop() override;

    // Opens the sound output now rather than at the first cue.
    void openOutput() { output_->open(); }

    // Whether the working folder is still to be looked at, or being looked
    // at, for a cue.
    bool isLookingUp() const { return preparing_ || library_.isLookingUp(); }

    // Where the cue started last came from (a file's path, or ":/cues/..."),
    // whether or not an output plays it.
    QString lastStarted() const { return lastStarted_; }

    static constexpr CueFormat Format{48000, 2};
    static constexpr int FadeMilliseconds = 8;

signals:
    void cueStarted(const QString &origin);

private:
    void start(std::shared_ptr<const Cue> cue);

    CueLibrary library_;
    std::unique_ptr<CueOutput> output_;
    bool preparing_ = true; // until the cues are first decoded and looked for
    QString waitingFor_; // a cue asked to play while it was first being decoded
    QString lastStarted_;
};
