#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class ClassResults;
struct LearnerRun;

// The class in words and as a table: what the Results window says of the
// pool, what a screen reader hears of each learner's dot, and the table
// Save class writes and Copy copies.
class ClassReport
{
    Q_DECLARE_TR_FUNCTIONS(ClassReport)

public:
    explicit ClassReport(const ClassResults &pool);

    // How many learners and experiments, the pooled rate beside the
    // theory, and how many learners' rates lie within 2 standard errors.
    QString summary() const;
    // One learner's numbers, as a dot of the chart names them.
    static QString learnerInWords(const LearnerRun &run);
    // Every learner at the pool's N, for the chart's description.
    QString learnersInWords() const;
    // A header, then a line a learner: label, N, experiments, successes,
    // success rate, and where it came from. UTF-8 CSV, a dot for the
    // decimals whatever the language.
    QByteArray csv(char delimiter = ',') const;
    // How many learners at the pool's N have a rate within 2 standard
    // errors of the theory.
    int withinTwoStandardErrors() const;

private:
    const ClassResults &pool_;
};
