#pragma once

#include "experiment/experimentrecorder.h"

#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// Every experiment judged in this run, kept for the Results window: the
// present series (since the counters were last reset) one experiment at a
// time, and, for the whole run, a tally for each N tried and the learner's
// predictions. Nothing here knows of a window.
class ExperimentResults final : public QObject, public ExperimentRecorder
{
    Q_OBJECT

public:
    struct Tally
    {
        qint64 experiments = 0;
        qint64 successes = 0;
    };

    // Records made inside a batch are told as one change when it ends, so a
    // run of a million experiments is drawn once, not a million times.
    class Batch
    {
    public:
        explicit Batch(ExperimentResults &results);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        ExperimentResults &results_;
    };

    // The series as it stands, copied: to be written out on another thread
    // while experiments go on being judged on this one.
    struct Series
    {
        int shotsPerExperiment = 0;
        std::vector<quint8> hits;
        std::vector<quint32> successesSoFar;
        QString runId;   // the same in every copy of one series
        QString learner; // who made it, as the learner gave it
    };

    explicit ExperimentResults(QObject *parent = nullptr);

    // A new series, as the counters start again from nothing.
    void startSeries();
    // The N the series runs at, once it is known (before its first experiment).
    void setShotsPerExperiment(int shotsPerExperiment);
    // One judged experiment of the series.
    void record(int shotsPerExperiment, int hits);

    // As the experiment's operations tell it: a judged experiment is
    // recorded, and a run of them is one batch.
    void experimentJudged(int shotsPerExperiment, int hits) override;
    void runStarted() override;
    void runFinished() override;

    int shotsPerExperiment() const { return shotsPerExperiment_; }
    qint64 experiments() const { return qint64(hits_.size()); }
    qint64 successes() const { return successesSoFar_.empty() ? 0 : successesSoFar_.back(); }
    // Successes among the series' first `count` experiments.
    qint64 successesAmongFirst(qint64 count) const;
    // Hits in the series' experiment number `number` (from 1).
    int hitsOf(qint64 number) const { return hits_.at(std::size_t(number - 1)); }
    Series series() const { return {shotsPerExperiment_, hits_, successesSoFar_, runId_, learner_}; }
    // Tells this series from every other: a file saved from it twice is
    // known to be one run.
    const QString &runId() const { return runId_; }
    // The learner's (or group's) name, kept for the program's run.
    const QString &learner() const { return learner_; }
    void setLearner(const QString &learner) { learner_ = learner; }
    // Experiments told only by their count, in no order (a tally typed by
    // hand, a series at another N): they join the tally across N alone.
    void addTally(int shotsPerExperiment, Tally tally);
    // How many experiments of the series had 0, 1, ... N hits.
    const std::vector<qint64> &hitCounts() const { return hitCounts_; }
    // Every N tried in this run, with all its experiments.
    const std::map<int, Tally> &acrossN() const { return acrossN_; }

    // The learner's guess at the success rate for an N, kept for the run.
    void setPrediction(int shotsPerExperiment, std::optional<double> rate);
    std::optional<double> prediction(int shotsPerExperiment) const;
    const std::map<int, double> &predictions() const { return predictions_; }

signals:
    void seriesStarted();
    // After every record outside a batch, and once at the end of a batch.
    void changed();
    void predictionChanged();

private:
    void tellChanged();

    int shotsPerExperiment_ = 0;
    QString runId_;
    QString learner_;
    // One byte for each experiment's hits and four for the successes so
    // far: a million experiments take five megabytes.
    std::vector<quint8> hits_;
    std::vector<quint32> successesSoFar_;
    std::vector<qint64> hitCounts_;
    std::map<int, Tally> acrossN_;
    std::map<int, double> predictions_;
    int batchDepth_ = 0;
    bool changedInBatch_ = false;
};
