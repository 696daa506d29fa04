#pragma once

#include "results/learnerrun.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

// Reads back a results file that Save wrote, as one learner's run, and
// says what is wrong with one that is not. What a spreadsheet does to a
// file it opens and saves again without changing it (a byte order mark,
// CRLF line ends, quoted fields, a trailing empty line, semicolons and
// decimal commas where the country writes them) is read; anything that
// changes what the file says is refused with the line it is on.
class ResultsFile
{
    Q_DECLARE_TR_FUNCTIONS(ResultsFile)

public:
    struct Outcome
    {
        std::optional<LearnerRun> run;
        QString problem; // in words, when there is no run
    };

    // The file at path: a regular file no larger than LargestFile. goOn is
    // asked now and then; false stops the reading (an empty outcome).
    static Outcome read(const QString &path, const std::function<bool()> &goOn = {});
    // The bytes of a file; fallbackLabel names the learner when the file
    // does not (a file from the program's first version).
    static Outcome parse(const QByteArray &bytes, const QString &fallbackLabel,
                         const std::function<bool()> &goOn = {});

    // A long series at N = 50 is some 40 bytes an experiment: room for
    // millions of experiments, and no file a pupil's account fills a disk with.
    static constexpr qint64 LargestFile = qint64(256) << 20;
    // How far a success rate written in the file may lie from the one its
    // verdicts give (a spreadsheet that wrote fewer digits).
    static constexpr double RateTolerance = 1e-4;

    // The columns Save writes, in order.
    static QByteArray header();
    // The learner's label as a field of the file: quoted where it must be,
    // and never read as a formula by a spreadsheet.
    static QByteArray labelField(const QString &label);
};
