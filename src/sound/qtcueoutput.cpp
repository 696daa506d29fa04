#include "sound/qtcueoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

QtCueOutput::QtCueOutput(CueFormat format, qsizetype fadeFrames) : format_(format), fadeFrames_(fadeFrames)
{
    thread_.setObjectName(QStringLiteral("cues"));
}

QtCueOutput::~QtCueOutput()
{
    // The worker, and the sink and stream it owns, are deleted on their
    // thread as it finishes.
    thread_.quit();
    thread_.wait();
}

void QtCueOutput::open()
{
    if (thread_.isRunning())
        return;
    thread_.start();
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    QMetaObject::invokeMethod(worker_, [this] {
        // Children of the worker, destroyed with it on this thread in the
        // order they were made: the sink before the stream it reads.
        QAudioSink *sink = nullptr;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(format_.rate);
        format.setChannelCount(format_.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isNull() && device.isFormatSupported(format)) {
            sink = new QAudioSink(device, format, worker_);
            // Short, so that a cue waits little behind the one it cuts; long
            // enough that a thread kept from its core for a moment does not
            // leave the sink empty.
            sink->setBufferSize(format.bytesForDuration(250'000));
        }
        stream_ = new CueStream(format_, fadeFrames_, worker_);
        if (sink)
            sink->start(stream_);
    });
}

void QtCueOutput::start(std::shared_ptr<const Cue> cue)
{
    if (!worker_)
        return;
    QMetaObject::invokeMethod(worker_, [this, cue = std::move(cue)]() mutable {
        if (stream_)
            stream_->start(std::move(cue));
    });
}

void QtCueOutput::stop()
{
    if (!worker_)
        return;
    QMetaObject::invokeMethod(worker_, [this] {
        if (stream_)
            stream_->stop();
    });
}

std::unique_ptr<CueOutput> makeCueOutput(CueFormat format, qsizetype fadeFrames)
{
    return std::make_unique<QtCueOutput>(format, fadeFrames);
}
