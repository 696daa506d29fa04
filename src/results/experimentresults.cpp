#include "results/experimentresults.h"

#include <QUuid>

#include <algorithm>

namespace {

QString newRunId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

ExperimentResults::Batch::Batch(ExperimentResults &results) : results_(results)
{
    results_.runStarted();
}

ExperimentResults::Batch::~Batch()
{
    results_.runFinished();
}

void ExperimentResults::runStarted()
{
    ++batchDepth_;
}

void ExperimentResults::runFinished()
{
    if (--batchDepth_ == 0 && changedInBatch_) {
        changedInBatch_ = false;
        emit changed();
    }
}

void ExperimentResults::experimentJudged(int shotsPerExperiment, int hits)
{
    record(shotsPerExperiment, hits);
}

ExperimentResults::ExperimentResults(QObject *parent) : QObject(parent), runId_(newRunId()) {}

void ExperimentResults::addTally(int shotsPerExperiment, Tally tally)
{
    if (tally.experiments <= 0)
        return;
    Tally &kept = acrossN_[shotsPerExperiment];
    kept.experiments += tally.experiments;
    kept.successes += tally.successes;
    tellChanged();
}

void ExperimentResults::startSeries()
{
    shotsPerExperiment_ = 0;
    hits_.clear();
    hits_.shrink_to_fit();
    successesSoFar_.clear();
    successesSoFar_.shrink_to_fit();
    hitCounts_.clear();
    runId_ = newRunId();
    emit seriesStarted();
}

void ExperimentResults::setShotsPerExperiment(int shotsPerExperiment)
{
    if (shotsPerExperiment == shotsPerExperiment_)
        return;
    // A series runs at one N: a new N starts it afresh.
    if (!hits_.empty())
        startSeries();
    shotsPerExperiment_ = shotsPerExperiment;
    hitCounts_.assign(std::size_t(std::max(0, shotsPerExperiment) + 1), 0);
    tellChanged();
}

void ExperimentResults::record(int shotsPerExperiment, int hits)
{
    if (shotsPerExperiment != shotsPerExperiment_) {
        const Batch oneChange(*this);
        setShotsPerExperiment(shotsPerExperiment);
    }
    hits = std::clamp(hits, 0, shotsPerExperiment);
    const bool success = hits > 0;
    hits_.push_back(quint8(hits));
    successesSoFar_.push_back(quint32(successes() + (success ? 1 : 0)));
    ++hitCounts_[std::size_t(hits)];
    Tally &tally = acrossN_[shotsPerExperiment];
    ++tally.experiments;
    tally.successes += success ? 1 : 0;
    tellChanged();
}

qint64 ExperimentResults::successesAmongFirst(qint64 count) const
{
    if (count <= 0)
        return 0;
    return successesSoFar_.at(std::size_t(std::min(count, experiments()) - 1));
}

void ExperimentResults::setPrediction(int shotsPerExperiment, std::optional<double> rate)
{
    if (prediction(shotsPerExperiment) == rate)
        return;
    if (rate)
        predictions_[shotsPerExperiment] = std::clamp(*rate, 0.0, 1.0);
    else
        predictions_.erase(shotsPerExperiment);
    emit predictionChanged();
}

std::optional<double> ExperimentResults::prediction(int shotsPerExperiment) const
{
    const auto found = predictions_.find(shotsPerExperiment);
    if (found == predictions_.end())
        return std::nullopt;
    return found->second;
}

void ExperimentResults::tellChanged()
{
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else
        emit changed();
}
