#include "platform/qt/cueplayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QDir>
#include <QMediaDevices>

CuePlayer::CuePlayer(std::shared_ptr<const CueFiles> files, QObject *parent)
    : QObject(parent)
    , library_(Format, std::move(files))
    , stream_(Format, Format.rate * FadeMilliseconds / 1000)
{
    connect(&library_, &CueLibrary::cueReady, this, [this](const QString &name) {
        if (name != waitingFor_)
            return;
        if (auto cue = library_.cue(name)) {
            waitingFor_.clear();
            start(std::move(cue));
        }
    });
    // The working folder is looked at before the first cue is due, so that
    // its files are known by then.
    library_.lookAhead(QDir::currentPath());
}

CuePlayer::~CuePlayer()
{
    feed_.stop();
    if (sink_)
        sink_->stop();
}

void CuePlayer::open(const QString &fileName)
{
    library_.refresh(fileName, QDir::currentPath());
}

void CuePlayer::play(const QString &fileName)
{
    if (auto cue = library_.cue(fileName)) {
        waitingFor_.clear();
        start(std::move(cue));
    } else if (library_.isLoading(fileName)) {
        waitingFor_ = fileName; // the program's own: starts as soon as it is decoded
    }
}

void CuePlayer::stop()
{
    waitingFor_.clear();
    stream_.stop();
}

void CuePlayer::start(std::shared_ptr<const Cue> cue)
{
    ensureOutput();
    lastStarted_ = cue->origin;
    stream_.start(std::move(cue));
    if (sink_ && !feed_.isActive()) {
        feed_.start();
        feedOutput();
    }
    emit cueStarted(lastStarted_);
}

void CuePlayer::ensureOutput()
{
    // The output is opened at the first cue, not at start-up, and once.
    if (outputTried_)
        return;
    outputTried_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(Format.rate);
    format.setChannelCount(Format.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A short buffer kept full from a fast timer: a cue reaches the server
    // within about the buffer's length of being asked for, and the stream
    // never runs dry (Qt's own pull timer is too slow for so short a buffer,
    // and the server plays only once the buffer has been filled).
    sink_->setBufferSize(bytesFor(BufferMilliseconds));
    sinkInput_ = sink_->start();
    if (!sinkInput_) {
        sink_.reset();
        return;
    }
    feed_.setTimerType(Qt::PreciseTimer);
    feed_.setInterval(FeedMilliseconds);
    connect(&feed_, &QTimer::timeout, this, &CuePlayer::feedOutput);
    feed_.start();
    feedOutput();
}

void CuePlayer::feedOutput()
{
    if (!sink_ || sink_->state() == QAudio::StoppedState) {
        feed_.stop(); // the server went away: silence from now on
        return;
    }
    // A second after the last cue has ended the feed rests, so that a
    // program at rest does not wake 250 times a second; the next cue wakes it.
    if (stream_.isPlaying())
        quietSince_.invalidate();
    else if (!quietSince_.isValid())
        quietSince_.start();
    else if (quietSince_.elapsed() > 1000) {
        feed_.stop();
        quietSince_.invalidate();
        return;
    }
    const qsizetype frameBytes = Format.channels * 2;
    const qsizetype wanted = sink_->bytesFree() / frameBytes * frameBytes;
    if (wanted <= 0)
        return;
    QByteArray chunk(wanted, Qt::Uninitialized);
    const qint64 n = stream_.read(chunk.data(), wanted);
    if (n > 0)
        sinkInput_->write(chunk.constData(), n);
}

qsizetype CuePlayer::bytesFor(int milliseconds)
{
    return qsizetype(Format.rate) * Format.channels * 2 * milliseconds / 1000;
}
