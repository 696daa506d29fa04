#include "results/classreport.h"

#include "results/classresults.h"
#include "results/resultsfile.h"
#include "results/resultsreport.h"
#include "results/resultstatistics.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

QString count(qint64 value)
{
    return QLocale().toString(value);
}

bool withinBand(const LearnerRun &run)
{
    const double theory = stats::theoryRate(run.shots);
    return std::abs(run.rate() - theory) <= 2 * stats::standardError(theory, run.experiments);
}

} // namespace

ClassReport::ClassReport(const ClassResults &pool) : pool_(pool) {}

int ClassReport::withinTwoStandardErrors() const
{
    int within = 0;
    for (const LearnerRun &run : pool_.learners())
        within += run.shots == pool_.shots() && withinBand(run) ? 1 : 0;
    return within;
}

QString ClassReport::summary() const
{
    if (pool_.isEmpty())
        return tr("No class yet: add the results files of the class's computers (Add results...), or a tally "
                  "counted by hand.");
    const int n = pool_.shots();
    int learners = 0;
    int elsewhere = 0;
    for (const LearnerRun &run : pool_.learners())
        (run.shots == n ? learners : elsewhere) += 1;
    const auto found = pool_.pooled().acrossN().find(n);
    const ExperimentResults::Tally tally =
        found == pool_.pooled().acrossN().end() ? ExperimentResults::Tally() : found->second;
    const double theory = stats::theoryRate(n);
    const double rate = tally.experiments > 0 ? double(tally.successes) / double(tally.experiments) : 0;
    const double band = 2 * stats::standardError(theory, tally.experiments);
    QString text = learners == 1
                       ? tr("The class, pooled: 1 learner, %1 experiments at N = %2 with %3 successes, a success "
                            "rate of %4.")
                             .arg(count(tally.experiments))
                             .arg(n)
                             .arg(count(tally.successes), ResultsReport::percent(rate))
                       : tr("The class, pooled: %1 learners, %2 experiments at N = %3 with %4 successes, a success "
                            "rate of %5.")
                             .arg(count(learners), count(tally.experiments))
                             .arg(n)
                             .arg(count(tally.successes), ResultsReport::percent(rate));
    text += QLatin1Char(' ');
    text += std::abs(rate - theory) <= band
                ? tr("That is within 2 standard errors (%1 points) of the theory, %2.")
                      .arg(QLocale().toString(band * 100, 'f', 1), ResultsReport::percent(theory))
                : tr("That is further than 2 standard errors (%1 points) from the theory, %2.")
                      .arg(QLocale().toString(band * 100, 'f', 1), ResultsReport::percent(theory));
    if (learners > 1)
        text += QLatin1Char(' ')
              + tr("%1 of the %2 learners' own rates lie within 2 standard errors of the theory; about 95 % should.")
                    .arg(count(withinTwoStandardErrors()), count(learners));
    if (elsewhere > 0)
        text += QLatin1Char(' ')
              + tr("%1 more at other numbers of shots count in the chart across N.").arg(count(elsewhere));
    return text;
}

QString ClassReport::learnerInWords(const LearnerRun &run)
{
    const QString rate = ResultsReport::percent(run.rate());
    return run.isTally()
               ? tr("%1 (counted by hand): %2 successes in %3 experiments at N = %4, %5")
                     .arg(run.label, count(run.successes), count(run.experiments))
                     .arg(run.shots)
                     .arg(rate)
               : tr("%1: %2 successes in %3 experiments at N = %4, %5")
                     .arg(run.label, count(run.successes), count(run.experiments))
                     .arg(run.shots)
                     .arg(rate);
}

QString ClassReport::learnersInWords() const
{
    QStringList each;
    for (const LearnerRun &run : pool_.learners()) {
        if (run.shots == pool_.shots())
            each << learnerInWords(run);
    }
    return each.join(QStringLiteral("; "));
}

QByteArray ClassReport::csv(char delimiter) const
{
    const auto line = [delimiter](const QByteArrayList &fields) { return fields.join(delimiter) + '\n'; };
    QByteArray out = line({"learner", "shots", "experiments", "successes", "success_rate", "source"});
    for (const LearnerRun &run : pool_.learners()) {
        out += line({ResultsFile::labelField(run.label), QByteArray::number(run.shots),
                     QByteArray::number(run.experiments), QByteArray::number(run.successes),
                     QByteArray::number(run.rate(), 'f', 7),
                     run.isTally() ? QByteArrayLiteral("counted by hand")
                                   : ResultsFile::labelField(QFileInfo(run.source).fileName())});
    }
    return out;
}
