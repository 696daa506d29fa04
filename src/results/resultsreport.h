#pragma once

#include <QCoreApplication>
#include <QString>

#include "results/experimentresults.h"

#include <functional>

class QIODevice;

// The results in words and in tables: what the Results window says, what a
// screen reader hears of each chart, what Copy puts on the clipboard and
// what Save writes.
class ResultsReport
{
    Q_DECLARE_TR_FUNCTIONS(ResultsReport)

public:
    explicit ResultsReport(const ExperimentResults &results);

    // The series, the theory, the naive guess and the prediction, compared.
    QString summary() const;
    // The running rate chart's numbers.
    QString runningRateInWords() const;
    // Successes minus the successes expected, and its band, now and along
    // the way.
    QString successesMinusExpectedInWords() const;
    // How many of the last 100 experiments missed every shot, beside the
    // theory's 100 x 0.9^N.
    QString lastHundredInWords() const;
    static constexpr int LastHundred = 100;
    // What the rate and the difference show together.
    static QString rateAndDifferenceTogether();
    // Each number of hits: how often, and how often expected.
    QString histogramInWords() const;
    // Each N tried: its rate and 95 % interval, beside the theory.
    QString acrossNInWords() const;
    // Tab-separated tables of all of the above, for a spreadsheet.
    QString table() const;

    // A header, then one line per experiment of the series: number, N,
    // hits, verdict, success rate so far. UTF-8, a dot for the decimals
    // whatever the language. False when the device failed.
    bool writeCsv(QIODevice &device) const;
    // The same of a copied series, on any thread; goOn is asked after each
    // block with the experiments written so far, and stops the writing
    // when it says no. False when the device failed or it was stopped.
    static bool writeCsv(const ExperimentResults::Series &series, QIODevice &device,
                         const std::function<bool(qint64 written)> &goOn = {});
    static QByteArray csvHeader();

    // A rate as the learner reads it: "87.84 %".
    static QString percent(double rate);

private:
    const ExperimentResults &results_;
};
