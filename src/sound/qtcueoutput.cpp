#include "sound/qtcueoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

// The sink and the stream it pulls, on the output's thread.
class QtCueOutput::Speaker final : public QObject
{
public:
    Speaker(CueFormat format, qsizetype fadeFrames) : format_(format), stream_(format, fadeFrames)
    {
        retry_.setSingleShot(true);
        connect(&retry_, &QTimer::timeout, this, &Speaker::openSink);
        // Qt's PulseAudio sink says nothing when the server kills its stream
        // (a sink removed): it only stops taking sound, which the sink pulls
        // without end (silence between the cues), so a sink that has taken
        // nothing for a while is taken as lost.
        watch_.setInterval(WatchMilliseconds);
        connect(&watch_, &QTimer::timeout, this, [this] {
            const qint64 processed = sink_ ? sink_->processedUSecs() : 0;
            if (sink_ && processed == lastProcessed_)
                lost();
            lastProcessed_ = processed;
        });
    }

    void openSink()
    {
        sink_.reset();
        // Nothing of what was asked for while there was no output plays late.
        stream_.clear();
        QAudioFormat format;
        format.setSampleRate(format_.rate);
        format.setChannelCount(format_.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format)) {
            lost();
            return;
        }
        sink_ = std::make_unique<QAudioSink>(device, format);
        // Short, so that a cue waits little behind the one it cuts; long
        // enough that a thread kept from its core for a moment does not
        // leave the sink empty.
        sink_->setBufferSize(format.bytesForDuration(250'000));
        connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError)
                lost();
        });
        sink_->start(&stream_);
        if (sink_ && sink_->error() == QAudio::NoError) {
            retryMilliseconds_ = FirstRetryMilliseconds;
            lastProcessed_ = -1;
            watch_.start();
        }
    }

    void start(std::shared_ptr<const Cue> cue)
    {
        // While there is no output, a cue is passed over rather than played late.
        if (playing())
            stream_.start(std::move(cue));
    }
    void stop() { stream_.stop(); }

private:
    bool playing() const { return sink_ && !retry_.isActive() && sink_->state() != QAudio::StoppedState; }

    void lost()
    {
        watch_.stop();
        if (retry_.isActive())
            return;
        retry_.start(retryMilliseconds_);
        retryMilliseconds_ = std::min(2 * retryMilliseconds_, LongestRetryMilliseconds);
    }

    CueFormat format_;
    CueStream stream_;
    static constexpr int WatchMilliseconds = 1000;

    // Children, so that they move to the thread with the speaker.
    QTimer retry_{this};
    QTimer watch_{this};
    qint64 lastProcessed_ = -1;
    int retryMilliseconds_ = FirstRetryMilliseconds;
    // Made after the stream it reads, and let go of first.
    std::unique_ptr<QAudioSink> sink_;
};

QtCueOutput::QtCueOutput(CueFormat format, qsizetype fadeFrames) : format_(format), fadeFrames_(fadeFrames)
{
    thread_.setObjectName(QStringLiteral("cues"));
}

QtCueOutput::~QtCueOutput()
{
    // The speaker, and the sink and stream it owns, are deleted on their
    // thread as it finishes.
    thread_.quit();
    thread_.wait();
}

void QtCueOutput::open()
{
    if (thread_.isRunning())
        return;
    thread_.start();
    speaker_ = new Speaker(format_, fadeFrames_);
    speaker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, speaker_, &QObject::deleteLater);
    QMetaObject::invokeMethod(speaker_, &Speaker::openSink);
}

void QtCueOutput::start(std::shared_ptr<const Cue> cue)
{
    if (!speaker_)
        return;
    QMetaObject::invokeMethod(speaker_, [speaker = speaker_, cue = std::move(cue)]() mutable {
        speaker->start(std::move(cue));
    });
}

void QtCueOutput::stop()
{
    if (!speaker_)
        return;
    QMetaObject::invokeMethod(speaker_, [speaker = speaker_] { speaker->stop(); });
}

std::unique_ptr<CueOutput> makeCueOutput(CueFormat format, qsizetype fadeFrames)
{
    return std::make_unique<QtCueOutput>(format, fadeFrames);
}
