#pragma once

// Hears of every experiment the operations judge, for whatever keeps them
// beyond the window's counters. The main window hands one to the
// operations; the design's own steps never depend on it.
class ExperimentRecorder
{
public:
    virtual ~ExperimentRecorder() = default;
    // One judged experiment: its N and the hits it had.
    virtual void experimentJudged(int shotsPerExperiment, int hits) = 0;
    // A run of many experiments at once begins, and ends: what is recorded
    // between may be told onwards as one change.
    virtual void runStarted() {}
    virtual void runFinished() {}
};
