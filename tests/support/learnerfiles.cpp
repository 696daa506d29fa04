#include "learnerfiles.h"

#include "results/resultsreport.h"

#include <QFile>

ExperimentResults::Series learnerSeries(QRandomGenerator &random, int shots, qint64 experiments,
                                        const QString &learner)
{
    ExperimentResults results;
    results.setLearner(learner);
    for (qint64 i = 0; i < experiments; ++i) {
        int hits = 0;
        for (int shot = 0; shot < shots; ++shot)
            hits += random.bounded(10) == 0 ? 1 : 0;
        results.record(shots, hits);
    }
    return results.series();
}

bool writeLearnerFile(const QString &path, const ExperimentResults::Series &series)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && ResultsReport::writeCsv(series, file);
}
