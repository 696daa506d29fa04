#pragma once

#include "sound/cueoutput.h"
#include "sound/cuestream.h"

#include <QObject>
#include <QThread>

#include <memory>

// Plays the cues through Qt Multimedia, for a build without libpulse: one
// stream, pulled by a QAudioSink that lives on a thread of its own, so that
// a busy window never breaks a cue. A cue cuts the one before with the
// stream's fade. Without an audio output it is silent; when the output
// fails, a new sink is tried after a growing pause.
class QtCueOutput final : public QObject, public CueOutput
{
    Q_OBJECT

public:
    QtCueOutput(CueFormat format, qsizetype fadeFrames);
    ~QtCueOutput() override;

    void open() override;
    void start(std::shared_ptr<const Cue> cue) override;
    void stop() override;

private:
    class Speaker;

    CueFormat format_;
    qsizetype fadeFrames_;
    QThread thread_;
    // Made, used and destroyed on thread_ only.
    Speaker *speaker_ = nullptr;
};
