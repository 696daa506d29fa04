#pragma once

#include <QString>
#include <QtGlobal>

// Everything the experiment knows. It belongs to the main window object and
// lives as long as the program, across the unloading of the window.
struct ExperimentState
{
    int Distance = 0;  // of the current shot from the target centre, 1 to 200
    float Angle = 0;   // direction of the current shot, radians
    float ImpactX = 0; // where the current shot's mark is drawn
    float ImpactY = 0;
    float LoopValue = 0; // counter of the ring sweep and of the theory loop
    int Hits = 0;        // hits so far in the current experiment
    int ShotIndex = 0;   // 1..N within the experiment; 0 until the first shot after a reset
    int Answer = 0;      // result of the last "will exit" message box
    // The tally is 64-bit: an unattended automatic run passes 32767
    // experiments within hours and must never overflow.
    qint64 Successes = 0;
    qint64 Failures = 0;
    float MissProbability = 0; // 0.9^N once the theory has been shown
    QString EntryText;         // last text returned by the shot-count entry
    int ShotsPerExperiment = 0; // N: 5 to 50 once an entry has been accepted

    qint64 experimentsJudged() const { return Successes + Failures; }
};

// A shot hits when it lands within the ring's radius of the centre, on the
// ring included.
constexpr bool IsHit(int distance)
{
    return distance <= 20;
}

// Back to no experiment judged and no shot fired. Touches nothing else.
void ResetCounters(ExperimentState &state);
