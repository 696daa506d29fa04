#pragma once

#include <QString>

#include <vector>

// One learner's (or group's) experiments as the class pools them: read from
// a results file, or a tally typed by hand (experiments and successes, in
// no known order).
struct LearnerRun
{
    QString label;  // as saved, or the file's name for a file without one
    QString source; // the file it was read from; empty for a tally
    QString runId;  // the run it was saved from; empty when not known
    int shots = 0;  // N
    qint64 experiments = 0;
    qint64 successes = 0;
    std::vector<quint8> hits; // each experiment's, in order; empty for a tally

    bool isTally() const { return source.isEmpty(); }
    double rate() const { return experiments > 0 ? double(successes) / double(experiments) : 0; }
};
