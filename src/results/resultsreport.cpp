#include "results/resultsreport.h"

#include "results/experimentresults.h"
#include "results/resultstatistics.h"
#include "results/resultsfile.h"

#include <QIODevice>
#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

// The program and its version, as its files name them.
const QByteArray ProgramName = QByteArrayLiteral("Shoot a Lot " SHOOTALOT_VERSION);

QString count(qint64 value)
{
    return QLocale().toString(value);
}

QString points(double difference)
{
    return QLocale().toString(std::abs(difference) * 100, 'f', 1);
}

// Fixed-point text with a dot whatever the locale.
void appendFixed(QByteArray &out, double value, int decimals)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr - buffer);
}

void appendInteger(QByteArray &out, qint64 value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

} // namespace

ResultsReport::ResultsReport(const ExperimentResults &results) : results_(results) {}

QString ResultsReport::percent(double rate)
{
    return tr("%1 %").arg(QLocale().toString(rate * 100, 'f', 2));
}

QString ResultsReport::summary() const
{
    const int n = results_.shotsPerExperiment();
    if (n <= 0)
        return tr("No experiment yet: the number of shots has not been chosen.");
    const double theory = stats::theoryRate(n);
    const qint64 experiments = results_.experiments();
    QString text;
    if (experiments == 0) {
        text = tr("No experiment judged yet at N = %1.").arg(n);
    } else {
        const double rate = double(results_.successes()) / double(experiments);
        const double band = 2 * stats::standardError(theory, experiments);
        const QString after = experiments == 1 ? tr("After 1 experiment at N = %1:").arg(n)
                                               : tr("After %1 experiments at N = %2:").arg(count(experiments)).arg(n);
        text = after + QLatin1Char(' ')
             + (results_.successes() == 1
                    ? tr("1 success, a success rate of %1.").arg(percent(rate))
                    : tr("%1 successes, a success rate of %2.").arg(count(results_.successes()), percent(rate)));
        text += QLatin1Char(' ');
        text += std::abs(rate - theory) <= band
                    ? tr("That is within 2 standard errors (%1 points) of the theory.").arg(points(band))
                    : tr("That is further than 2 standard errors (%1 points) from the theory.").arg(points(band));
    }
    text += QLatin1Char(' ')
          + tr("Theory: 1 - 0.9^%1 = %2. Naive guess: N x 10 % = %3.")
                .arg(n).arg(percent(theory), percent(stats::naiveRate(n)));
    if (const auto predicted = results_.prediction(n)) {
        text += QLatin1Char(' ');
        if (experiments == 0) {
            text += tr("Your prediction: %1.").arg(percent(*predicted));
        } else {
            const double rate = double(results_.successes()) / double(experiments);
            const double difference = *predicted - rate;
            if (std::abs(difference) < 0.0005)
                text += tr("Your prediction, %1, matches the experiments.").arg(percent(*predicted));
            else if (difference > 0)
                text += tr("Your prediction, %1, is %2 points higher than the experiments.")
                            .arg(percent(*predicted), points(difference));
            else
                text += tr("Your prediction, %1, is %2 points lower than the experiments.")
                            .arg(percent(*predicted), points(difference));
        }
    }
    return text;
}

QString ResultsReport::runningRateInWords() const
{
    const int n = results_.shotsPerExperiment();
    if (n <= 0)
        return summary();
    const double theory = stats::theoryRate(n);
    const qint64 experiments = results_.experiments();
    QString text = tr("Theory %1, naive guess %2.").arg(percent(theory), percent(stats::naiveRate(n)));
    if (experiments > 0) {
        const double rate = double(results_.successes()) / double(experiments);
        const double band = 2 * stats::standardError(theory, experiments);
        text += QLatin1Char(' ')
              + tr("Success rate after %1 experiments: %2. The band of 2 standard errors runs from %3 to %4.")
                    .arg(count(experiments), percent(rate), percent(std::max(0.0, theory - band)),
                         percent(std::min(1.0, theory + band)));
        // Where the rate stood along the way, by tenfold steps.
        QStringList along;
        for (qint64 step = 10; step < experiments; step *= 10)
            along << tr("after %1: %2").arg(count(step),
                                            percent(double(results_.successesAmongFirst(step)) / double(step)));
        if (!along.isEmpty())
            text += QLatin1Char(' ') + tr("Along the way, %1.").arg(along.join(QStringLiteral("; ")));
    }
    if (const auto predicted = results_.prediction(n))
        text += QLatin1Char(' ') + tr("Your prediction %1.").arg(percent(*predicted));
    return text;
}

QString ResultsReport::successesMinusExpectedInWords() const
{
    const int n = results_.shotsPerExperiment();
    if (n <= 0)
        return summary();
    const double theory = stats::theoryRate(n);
    const qint64 experiments = results_.experiments();
    if (experiments == 0)
        return tr("Successes minus the successes expected at N = %1: no experiment judged yet.").arg(n);
    const QLocale locale;
    const double expected = double(experiments) * theory;
    const double off = double(results_.successes()) - expected;
    const double band = 2 * stats::countSpread(theory, experiments);
    QString text = tr("After %1 experiments at N = %2: %3 successes, %4 expected (%1 \u00d7 %5); "
                      "successes minus expected %6, the band of 2 standard deviations running from "
                      "\u2212%7 to +%7.")
                       .arg(count(experiments))
                       .arg(n)
                       .arg(count(results_.successes()), locale.toString(expected, 'f', 1),
                            percent(theory), locale.toString(off, 'f', 1), locale.toString(band, 'f', 1));
    QStringList along;
    for (qint64 step = 10; step < experiments; step *= 10)
        along << tr("after %1: %2").arg(count(step),
                                        locale.toString(double(results_.successesAmongFirst(step))
                                                            - double(step) * theory, 'f', 1));
    if (!along.isEmpty())
        text += QLatin1Char(' ') + tr("Along the way, %1.").arg(along.join(QStringLiteral("; ")));
    return text;
}

QString ResultsReport::lastHundredInWords() const
{
    const int n = results_.shotsPerExperiment();
    const qint64 experiments = results_.experiments();
    const qint64 shown = std::min<qint64>(experiments, LastHundred);
    const QLocale locale;
    const QString theory = locale.toString(LastHundred * (1 - stats::theoryRate(std::max(n, 0))), 'f', 1);
    if (n <= 0 || shown == 0)
        return n > 0 ? tr("The last 100 experiments: none judged yet; theory: 100 \u00d7 0.9^%1 = %2 of 100 "
                          "would miss every shot.").arg(n).arg(theory)
                     : tr("The last 100 experiments: none judged yet.");
    qint64 missed = 0;
    for (qint64 number = experiments - shown + 1; number <= experiments; ++number)
        missed += results_.hitsOf(number) == 0 ? 1 : 0;
    if (shown < LastHundred)
        return tr("%1 of the first %2 experiments missed every shot; theory: 100 \u00d7 0.9^%3 = %4 in 100.")
            .arg(count(missed), count(shown))
            .arg(n)
            .arg(theory);
    return tr("%1 of the last 100 experiments missed every shot; theory: 100 \u00d7 0.9^%2 = %3.")
        .arg(count(missed))
        .arg(n)
        .arg(theory);
}

QString ResultsReport::rateAndDifferenceTogether()
{
    return tr("The rate settles on the theory while successes minus expected wanders ever wider: "
              "the difference grows like the square root of n, and n grows faster, so the counts never "
              "even out though the rate does.");
}

QString ResultsReport::histogramInWords() const
{
    const int n = results_.shotsPerExperiment();
    if (n <= 0)
        return summary();
    const qint64 experiments = results_.experiments();
    if (experiments == 0)
        return tr("Hits per experiment at N = %1: no experiment judged yet; the failures will be those with "
                  "0 hits (expected share 0.9^%1 = %2).")
            .arg(n)
            .arg(percent(1 - stats::theoryRate(n)));
    QStringList parts;
    for (int hits = 0; hits <= n; ++hits) {
        const qint64 seen = results_.hitCounts().at(std::size_t(hits));
        const double expected = double(experiments) * stats::binomialProbability(n, hits);
        if (seen == 0 && expected < 0.5)
            continue;
        const QString number = hits == 1 ? tr("1 hit") : tr("%1 hits").arg(hits);
        parts << tr("%1: %2, expected %3").arg(number, count(seen), QLocale().toString(expected, 'f', 1));
    }
    return tr("Hits per experiment in %1 experiments at N = %2, the failures being those with 0 hits "
              "(expected share 0.9^%2 = %3): %4.")
        .arg(count(experiments)).arg(n).arg(percent(1 - stats::theoryRate(n)), parts.join(QStringLiteral("; ")));
}

QString ResultsReport::acrossNInWords() const
{
    QStringList parts;
    for (const auto &[n, tally] : results_.acrossN()) {
        const stats::Interval interval = stats::wilsonInterval(tally.successes, tally.experiments);
        parts << tr("N = %1: %2 in %3 experiments (95 % interval %4 to %5), theory %6")
                     .arg(n)
                     .arg(percent(double(tally.successes) / double(tally.experiments)), count(tally.experiments),
                          percent(interval.low), percent(interval.high), percent(stats::theoryRate(n)));
    }
    if (parts.isEmpty())
        return tr("No N tried yet. The theory rises from %1 at N = 5 to %2 at N = 50.")
            .arg(percent(stats::theoryRate(5)), percent(stats::theoryRate(50)));
    return tr("Chance of at least one hit against N. %1.").arg(parts.join(QStringLiteral("; ")));
}

QString ResultsReport::table() const
{
    const int n = results_.shotsPerExperiment();
    const qint64 experiments = results_.experiments();
    const QChar tab = QLatin1Char('\t');
    QStringList lines;
    lines << tr("Shoot a Lot results");
    lines << summary();
    lines << QString();
    if (n > 0) {
        lines << tr("N") + tab + tr("experiments") + tab + tr("successes") + tab + tr("success rate") + tab
                     + tr("theory") + tab + tr("2 standard errors") + tab + tr("naive guess") + tab
                     + tr("prediction");
        const double theory = stats::theoryRate(n);
        const auto predicted = results_.prediction(n);
        lines << QString::number(n) + tab + QString::number(experiments) + tab
                     + QString::number(results_.successes()) + tab
                     + (experiments ? QString::number(double(results_.successes()) / double(experiments), 'f', 4)
                                    : QString())
                     + tab + QString::number(theory, 'f', 4) + tab
                     + QString::number(2 * stats::standardError(theory, experiments), 'f', 4) + tab
                     + QString::number(stats::naiveRate(n), 'f', 4) + tab
                     + (predicted ? QString::number(*predicted, 'f', 4) : QString());
        lines << QString();
        lines << tr("hits") + tab + tr("experiments") + tab + tr("expected");
        for (int hits = 0; hits <= n; ++hits)
            lines << QString::number(hits) + tab + QString::number(results_.hitCounts().at(std::size_t(hits))) + tab
                         + QString::number(double(experiments) * stats::binomialProbability(n, hits), 'f', 1);
        lines << QString();
    }
    lines << tr("N") + tab + tr("experiments") + tab + tr("successes") + tab + tr("success rate") + tab
                 + tr("95 % low") + tab + tr("95 % high") + tab + tr("theory");
    for (const auto &[shots, tally] : results_.acrossN()) {
        const stats::Interval interval = stats::wilsonInterval(tally.successes, tally.experiments);
        lines << QString::number(shots) + tab + QString::number(tally.experiments) + tab
                     + QString::number(tally.successes) + tab
                     + QString::number(double(tally.successes) / double(tally.experiments), 'f', 4) + tab
                     + QString::number(interval.low, 'f', 4) + tab + QString::number(interval.high, 'f', 4) + tab
                     + QString::number(stats::theoryRate(shots), 'f', 4);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray ResultsReport::csvHeader()
{
    return ResultsFile::header() + '\n';
}

bool ResultsReport::writeCsv(QIODevice &device) const
{
    return writeCsv(results_.series(), device);
}

bool ResultsReport::writeCsv(const ExperimentResults::Series &series, QIODevice &device,
                             const std::function<bool(qint64)> &goOn)
{
    if (device.write(csvHeader()) < 0)
        return false;
    const int n = series.shotsPerExperiment;
    const qint64 experiments = qint64(series.hits.size());
    QByteArray chunk;
    constexpr qsizetype ChunkSize = 1 << 16;
    chunk.reserve(ChunkSize + 64);
    for (qint64 number = 1; number <= experiments; ++number) {
        const int hits = series.hits[std::size_t(number - 1)];
        appendInteger(chunk, number);
        chunk.append(',');
        appendInteger(chunk, n);
        chunk.append(',');
        appendInteger(chunk, hits);
        chunk.append(hits > 0 ? ",success," : ",failure,");
        appendFixed(chunk, double(series.successesSoFar[std::size_t(number - 1)]) / double(number), 7);
        // Whose it is, once: on the first row, the rest left empty.
        if (number == 1)
            chunk.append(',' + ResultsFile::labelField(series.learner) + ',' + series.runId.toUtf8() + ','
                         + ProgramName);
        else
            chunk.append(",,,");
        chunk.append('\n');
        if (chunk.size() >= ChunkSize) {
            if (device.write(chunk) != chunk.size())
                return false;
            chunk.clear();
            if (goOn && !goOn(number))
                return false;
        }
    }
    return chunk.isEmpty() || device.write(chunk) == chunk.size();
}
