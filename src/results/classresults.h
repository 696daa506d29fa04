#pragma once

#include "results/experimentresults.h"
#include "results/learnerrun.h"

#include <QObject>

#include <memory>
#include <vector>

// The class: every learner's run added from their files (or typed in as a
// tally), and all of them pooled. The pool is shown at one N, the one most
// of the class's experiments were made at; runs at other Ns join the
// chance of success against N only. Nothing here touches this computer's
// own experiments.
class ClassResults final : public QObject
{
    Q_OBJECT

public:
    enum class Addition {
        Added,
        AlreadyThere, // the same run, with no more experiments than the one kept
        Replaced,     // the same run saved again later, with more experiments
    };

    explicit ClassResults(QObject *parent = nullptr);

    Addition add(LearnerRun run);
    // Many at once, pooled once: what became of each, in order.
    std::vector<Addition> add(std::vector<LearnerRun> runs);
    void remove(qsizetype index);
    void clear();

    const std::vector<LearnerRun> &learners() const { return learners_; }
    bool isEmpty() const { return learners_.empty(); }
    // The N the pool is shown at (0 while the class is empty).
    int shots() const { return pooled_->shotsPerExperiment(); }
    // The learners' experiments at shots(), file after file in the table's
    // order (tallies at that N in the tally across N only), and every N's
    // tally.
    const ExperimentResults &pooled() const { return *pooled_; }
    // The predictions drawn beside the class's results.
    void setPredictions(const std::map<int, double> &predictions);

signals:
    void changed();

private:
    // Adds without pooling.
    Addition include(LearnerRun run);
    void pool();

    std::vector<LearnerRun> learners_;
    std::unique_ptr<ExperimentResults> pooled_;
};
