#pragma once

#include "experiment/experimentoperations.h"

#include <QObject>
#include <QTimer>

#include <functional>

// How a fast run is shown: judged at once, as it always was, or watched,
// the counts and charts growing as the experiments are judged in order.
enum class RunPace {
    AtOnce,
    Faster, // in about two seconds
    Watch   // in about six
};

// A fast run that is watched: the experiments are judged in order a few at
// each frame of the screen, the counts shown after each, so that the rate
// is seen to wander and settle; then the last one is fired shot by shot, as
// a run at once ends. The same draws in the same order as a run at once,
// so both end the same. Stopping finishes the experiment under way the
// same way.
class WatchedRun final : public QObject
{
    Q_OBJECT

public:
    // operations: the main window's, made afresh for each frame.
    WatchedRun(std::function<ExperimentOperations()> operations, QString successCaption, QString failureCaption,
               QObject *parent = nullptr);

    void start(qint64 experiments, RunPace pace);
    // Ends the run now: the experiment under way is finished, and the run
    // ends as a whole run does.
    void stop();
    bool isRunning() const { return frames_.isActive(); }
    qint64 judged() const { return judged_; }

    // How long a watched run takes, whatever its size.
    static int durationMilliseconds(RunPace pace);
    // A frame of the screen, at most.
    static constexpr int FrameMilliseconds = 16;

signals:
    void progressed(qint64 judged, qint64 of);
    void finished();

private:
    void frame();
    void finish();

    std::function<ExperimentOperations()> operations_;
    QString successCaption_;
    QString failureCaption_;
    QTimer frames_;
    qint64 experiments_ = 0;
    qint64 judged_ = 0;
    qint64 perFrame_ = 1;
};
