#include "results/classresults.h"

#include <map>

ClassResults::ClassResults(QObject *parent) : QObject(parent), pooled_(std::make_unique<ExperimentResults>()) {}

ClassResults::Addition ClassResults::add(LearnerRun run)
{
    const Addition addition = include(std::move(run));
    if (addition != Addition::AlreadyThere)
        pool();
    return addition;
}

std::vector<ClassResults::Addition> ClassResults::add(std::vector<LearnerRun> runs)
{
    std::vector<Addition> additions;
    bool changed = false;
    for (LearnerRun &run : runs) {
        additions.push_back(include(std::move(run)));
        changed = changed || additions.back() != Addition::AlreadyThere;
    }
    if (changed)
        pool();
    return additions;
}

ClassResults::Addition ClassResults::include(LearnerRun run)
{
    // One run is one learner's, however many of its files are added: the
    // one with the most experiments is kept. A file without a run's name
    // (the program's first version) is the same run only when it is the
    // same experiments.
    for (LearnerRun &kept : learners_) {
        if (run.isTally() || kept.isTally())
            continue;
        const bool sameRun = !run.runId.isEmpty() ? run.runId == kept.runId
                                                  : kept.runId.isEmpty() && run.shots == kept.shots
                                                        && run.hits == kept.hits;
        if (!sameRun)
            continue;
        if (run.experiments <= kept.experiments)
            return Addition::AlreadyThere;
        kept = std::move(run);
        return Addition::Replaced;
    }
    learners_.push_back(std::move(run));
    return Addition::Added;
}

void ClassResults::remove(qsizetype index)
{
    if (index < 0 || index >= qsizetype(learners_.size()))
        return;
    learners_.erase(learners_.begin() + index);
    pool();
}

void ClassResults::clear()
{
    if (learners_.empty())
        return;
    learners_.clear();
    pool();
}

void ClassResults::setPredictions(const std::map<int, double> &predictions)
{
    const std::map<int, double> before = pooled_->predictions();
    for (const auto &[shots, rate] : before) {
        if (!predictions.contains(shots))
            pooled_->setPrediction(shots, std::nullopt);
    }
    for (const auto &[shots, rate] : predictions)
        pooled_->setPrediction(shots, rate);
}

void ClassResults::pool()
{
    const std::map<int, double> predictions = pooled_->predictions();
    std::map<int, qint64> experimentsAt;
    for (const LearnerRun &run : learners_)
        experimentsAt[run.shots] += run.experiments;
    int shots = 0;
    qint64 most = 0;
    for (const auto &[n, experiments] : experimentsAt) {
        if (experiments > most) {
            most = experiments;
            shots = n;
        }
    }
    // Made again from nothing: a class is a few dozen files.
    auto pooled = std::make_unique<ExperimentResults>();
    for (const auto &[n, rate] : predictions)
        pooled->setPrediction(n, rate);
    if (shots > 0)
        pooled->setShotsPerExperiment(shots);
    for (const LearnerRun &run : learners_) {
        if (run.shots == shots && !run.isTally()) {
            for (const quint8 hits : run.hits)
                pooled->record(shots, hits);
        } else {
            pooled->addTally(run.shots, {run.experiments, run.successes});
        }
    }
    pooled_ = std::move(pooled);
    emit changed();
}
