#include "experiment/watchedrun.h"

#include <algorithm>
#include <cmath>

WatchedRun::WatchedRun(std::function<ExperimentOperations()> operations, QString successCaption,
                       QString failureCaption, QObject *parent)
    : QObject(parent), operations_(std::move(operations)), successCaption_(std::move(successCaption)),
      failureCaption_(std::move(failureCaption))
{
    connect(&frames_, &QTimer::timeout, this, &WatchedRun::frame);
}

int WatchedRun::durationMilliseconds(RunPace pace)
{
    switch (pace) {
    case RunPace::Watch:
        return 6000;
    case RunPace::Faster:
        return 2000;
    case RunPace::AtOnce:
        break;
    }
    return 0;
}

void WatchedRun::start(qint64 experiments, RunPace pace)
{
    if (isRunning() || experiments <= 0)
        return;
    experiments_ = experiments;
    judged_ = 0;
    // A frame for each experiment where there are few; more experiments a
    // frame, at the screen's pace, where there are many.
    const double duration = std::max(1, durationMilliseconds(pace));
    const int interval = std::max<int>(FrameMilliseconds, int(duration / double(experiments)));
    perFrame_ = std::max<qint64>(1, qint64(std::ceil(double(experiments) * interval / duration)));
    frames_.start(interval);
    frame();
}

void WatchedRun::frame()
{
    // The last experiment is the one fired shot by shot.
    const qint64 quietly = std::min(perFrame_, experiments_ - 1 - judged_);
    if (quietly > 0) {
        operations_().JudgeQuietly(quietly);
        judged_ += quietly;
        emit progressed(judged_, experiments_);
    }
    if (judged_ >= experiments_ - 1)
        finish();
}

void WatchedRun::stop()
{
    if (isRunning())
        finish();
}

void WatchedRun::finish()
{
    frames_.stop();
    // One more experiment: the one under way, or a whole one shot by shot.
    operations_().FinishRun(successCaption_, failureCaption_);
    judged_ = std::min(experiments_, judged_ + 1);
    emit progressed(judged_, experiments_);
    emit finished();
}
