#pragma once

#include "platform/qt/cuelibrary.h"
#include "platform/qt/cuestream.h"
#include "platform/runtime/soundplayer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// Plays the cues through one long-lived Qt Multimedia audio sink that pulls
// them from a CueStream: no sample cache, no decoding on the GUI thread, and
// a start that returns at once whatever the sound server does. Without an
// audio output it is silent.
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
    void openOutput() { ensureOutput(); }

    // Whether the working folder is still being looked at for a cue.
    bool isLookingUp() const { return library_.isLookingUp(); }

    // Where the cue started last came from (a file's path, or ":/cues/..."),
    // whether or not an output plays it.
    QString lastStarted() const { return lastStarted_; }

    static constexpr CueFormat Format{48000, 2};
    static constexpr int FadeMilliseconds = 8;
    // The server's buffer, kept full: what a cue waits behind, and what
    // carries the sound over a moment the program is not run. At 20 ms a
    // machine with twelve busy processes on two cores heard dropouts in
    // half the runs; at 30 ms in none of sixteen.
    static constexpr int BufferMilliseconds = 30;
    static constexpr int FeedMilliseconds = 4;

signals:
    void cueStarted(const QString &origin);

private:
    void start(std::shared_ptr<const Cue> cue);
    void ensureOutput();
    void feedOutput();
    static qsizetype bytesFor(int milliseconds);

    CueLibrary library_;
    CueStream stream_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice *sinkInput_ = nullptr; // owned by sink_
    QTimer feed_;
    QElapsedTimer quietSince_; // since the stream last fell silent
    bool outputTried_ = false;
    QString waitingFor_; // a cue asked to play while it was first being decoded
    QString lastStarted_;
};
