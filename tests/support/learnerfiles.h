#pragma once

#include "results/experimentresults.h"

#include <QRandomGenerator>
#include <QString>

// A learner's experiments as the program would have judged them (each
// shot a hit one time in ten), drawn from the generator given, so that a
// seeded one gives the same learner at every run.
ExperimentResults::Series learnerSeries(QRandomGenerator &random, int shots, qint64 experiments,
                                        const QString &learner);

// The series saved at path as Save writes it; false where it could not be.
bool writeLearnerFile(const QString &path, const ExperimentResults::Series &series);
