#include "results/resultsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cmath>
#include <system_error>
#include <vector>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int MinimumShots = 5;
constexpr int MaximumShots = 50;
// Asked whether to go on once in this many rows.
constexpr qint64 RowsBetweenQuestions = 1 << 16;
// The longest run identifier kept; anything longer is not one of ours.
constexpr qsizetype LongestRunId = 64;

QString number(qint64 value)
{
    return QLocale().toString(value);
}

// The records of a CSV file one after another: fields split on the
// delimiter, quoted fields unquoted (a quote inside doubled), CR LF or LF
// between records.
class CsvRecords
{
public:
    CsvRecords(const QByteArray &bytes, qsizetype start, char delimiter)
        : bytes_(bytes), pos_(start), delimiter_(delimiter)
    {
    }

    // The next record's fields; false at the end of the file. A quote never
    // closed leaves `broken` set.
    bool next(std::vector<QByteArray> &fields, bool &broken)
    {
        fields.clear();
        const qsizetype size = bytes_.size();
        if (pos_ >= size)
            return false;
        ++line_;
        QByteArray field;
        for (;;) {
            if (pos_ < size && bytes_[pos_] == '"') {
                // Quoted: to the closing quote, then to the delimiter.
                ++pos_;
                for (;;) {
                    if (pos_ >= size) {
                        broken = true;
                        return false;
                    }
                    const char c = bytes_[pos_++];
                    if (c == '"') {
                        if (pos_ < size && bytes_[pos_] == '"') {
                            field.append('"');
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++line_;
                    field.append(c);
                }
            }
            const qsizetype from = pos_;
            while (pos_ < size && bytes_[pos_] != delimiter_ && bytes_[pos_] != '\n')
                ++pos_;
            field.append(bytes_.constData() + from, pos_ - from);
            if (field.endsWith('\r') && (pos_ >= size || bytes_[pos_] == '\n'))
                field.chop(1);
            fields.push_back(std::move(field));
            field = QByteArray();
            if (pos_ >= size)
                return true;
            if (bytes_[pos_++] == '\n')
                return true;
        }
    }

    int line() const { return line_; }

private:
    const QByteArray &bytes_;
    qsizetype pos_;
    char delimiter_;
    int line_ = 0;
};

bool allEmpty(const std::vector<QByteArray> &fields)
{
    for (const QByteArray &field : fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

// A label read back: the mark that kept a spreadsheet from taking it for
// a formula is taken off again.
QString labelFrom(const QByteArray &field)
{
    QString label = QString::fromUtf8(field).trimmed();
    if (label.size() > 1 && label.front() == u'\'' && QStringView(u"=+-@").contains(label.at(1)))
        label.remove(0, 1);
    return label;
}

} // namespace

QByteArray ResultsFile::header()
{
    return QByteArrayLiteral("experiment,shots,hits,verdict,success_rate,learner,run,program");
}

QByteArray ResultsFile::labelField(const QString &label)
{
    QByteArray field = label.simplified().toUtf8();
    // A cell that starts so would be taken for a formula.
    if (!field.isEmpty() && QByteArrayView("=+-@").contains(field.front()))
        field.prepend('\'');
    if (field.contains(',') || field.contains('"') || field.contains(';')) {
        field.replace("\"", "\"\"");
        field = '"' + field + '"';
    }
    return field;
}

ResultsFile::Outcome ResultsFile::parse(const QByteArray &bytes, const QString &fallbackLabel,
                                        const std::function<bool()> &goOn)
{
    const auto refused = [](const QString &problem) { return Outcome{std::nullopt, problem}; };
    const QString notOurs = tr("it is not a results file of Shoot a Lot (its first line should name the columns "
                               "experiment, shots, hits, verdict and success_rate)");
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // The delimiter the first line uses: a spreadsheet set for a country
    // that writes decimal commas saves with semicolons (or tabs).
    const qsizetype firstEnd = bytes.indexOf('\n', start);
    const QByteArray firstLine = bytes.mid(start, firstEnd < 0 ? -1 : firstEnd - start);
    char delimiter = ',';
    if (!firstLine.contains(',')) {
        if (firstLine.contains(';'))
            delimiter = ';';
        else if (firstLine.contains('\t'))
            delimiter = '\t';
    }
    CsvRecords records(bytes, start, delimiter);
    std::vector<QByteArray> fields;
    bool broken = false;
    if (!records.next(fields, broken))
        return refused(notOurs);

    // The columns by name, wherever a spreadsheet put them.
    enum Column { Experiment, Shots, Hits, Verdict, Rate, Learner, Run, Columns };
    const char *names[Columns] = {"experiment", "shots", "hits", "verdict", "success_rate", "learner", "run"};
    int at[Columns];
    std::fill(std::begin(at), std::end(at), -1);
    for (int i = 0; i < int(fields.size()); ++i) {
        const QByteArray name = fields[std::size_t(i)].trimmed().toLower();
        for (int c = 0; c < Columns; ++c) {
            if (name == names[c] && at[c] < 0)
                at[c] = i;
        }
    }
    int needed = 0;
    for (int c = Experiment; c <= Rate; ++c) {
        if (at[c] < 0)
            return refused(notOurs);
        needed = std::max(needed, at[c] + 1);
    }

    LearnerRun run;
    qint64 successes = 0;
    const auto integer = [&fields](int column, bool &ok) {
        return fields[std::size_t(column)].trimmed().toLongLong(&ok);
    };
    const auto tellLine = [&records] { return number(records.line()); };
    for (qint64 row = 1;; ++row) {
        if (!records.next(fields, broken))
            break;
        if (allEmpty(fields)) {
            --row;
            continue;
        }
        if (int(fields.size()) < needed)
            return refused(tr("line %1 is cut short").arg(tellLine()));
        bool ok = false;
        const qint64 experiment = integer(at[Experiment], ok);
        if (!ok)
            return refused(tr("line %1: the experiment number \"%2\" is not a whole number")
                               .arg(tellLine(), QString::fromUtf8(fields[std::size_t(at[Experiment])])));
        if (experiment != row)
            return refused(tr("line %1: experiment %2 where experiment %3 should come (were rows sorted, "
                              "deleted or added?)")
                               .arg(tellLine(), number(experiment), number(row)));
        const qint64 shots = integer(at[Shots], ok);
        if (!ok || shots < MinimumShots || shots > MaximumShots)
            return refused(tr("line %1: \"%2\" shots an experiment, where the program fires 5 to 50")
                               .arg(tellLine(), QString::fromUtf8(fields[std::size_t(at[Shots])])));
        if (row == 1)
            run.shots = int(shots);
        else if (shots != run.shots)
            return refused(tr("line %1: %2 shots an experiment, where the file's first experiment had %3")
                               .arg(tellLine(), number(shots), number(run.shots)));
        const qint64 hits = integer(at[Hits], ok);
        if (!ok || hits < 0 || hits > shots)
            return refused(tr("line %1: \"%2\" hits in an experiment of %3 shots")
                               .arg(tellLine(), QString::fromUtf8(fields[std::size_t(at[Hits])]), number(shots)));
        const QByteArray verdict = fields[std::size_t(at[Verdict])].trimmed().toLower();
        if (verdict != (hits > 0 ? "success" : "failure"))
            return refused(tr("line %1: the verdict \"%2\" does not follow from %3 hits")
                               .arg(tellLine(), QString::fromUtf8(fields[std::size_t(at[Verdict])]), number(hits)));
        if (hits > 0)
            ++successes;
        QByteArray rateText = fields[std::size_t(at[Rate])].trimmed();
        if (delimiter != ',')
            rateText.replace(',', '.');
        const double rate = rateText.toDouble(&ok);
        const double expected = double(successes) / double(row);
        if (!ok || !std::isfinite(rate) || std::abs(rate - expected) > RateTolerance)
            return refused(tr("line %1: the success rate \"%2\" is not what the verdicts so far give (%3)")
                               .arg(tellLine(), QString::fromUtf8(fields[std::size_t(at[Rate])]),
                                    QLocale().toString(expected, 'f', 7)));
        // Whose: written on the first row; a later row that names another
        // is a file pasted together from two.
        for (const int column : {at[Learner], at[Run]}) {
            if (column < 0 || column >= int(fields.size()))
                continue;
            const QByteArray &field = fields[std::size_t(column)];
            if (field.trimmed().isEmpty())
                continue;
            QString &kept = column == at[Learner] ? run.label : run.runId;
            const QString value = column == at[Learner] ? labelFrom(field) : QString::fromUtf8(field.trimmed());
            if (row == 1)
                kept = value;
            else if (value != kept)
                return refused(tr("line %1 is another learner's (%2, after %3): add each learner's own file")
                                   .arg(tellLine(), value, kept.isEmpty() ? tr("none named") : kept));
        }
        run.hits.push_back(quint8(hits));
        if (row % RowsBetweenQuestions == 0 && goOn && !goOn())
            return {};
    }
    if (broken)
        return refused(tr("a quoted field from line %1 on is never closed").arg(tellLine()));
    if (run.hits.empty())
        return refused(tr("it holds no experiments"));
    if (run.runId.size() > LongestRunId)
        run.runId.clear();
    run.experiments = qint64(run.hits.size());
    run.successes = successes;
    if (run.label.isEmpty())
        run.label = fallbackLabel;
    return {std::move(run), {}};
}

ResultsFile::Outcome ResultsFile::read(const QString &path, const std::function<bool()> &goOn)
{
    const auto refused = [](const QString &problem) { return Outcome{std::nullopt, problem}; };
    const auto systemWords = [](int error) {
        switch (error) {
        case ENOENT:
        case ENOTDIR:
            return tr("it is not there (was it moved or the stick taken out?)");
        case EACCES:
        case EPERM:
            return tr("you may not read it");
        case EIO:
            return tr("the disk could not be read");
        default:
            return QString::fromStdString(std::generic_category().message(error));
        }
    };
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting (a pipe would wait for a writer forever), and
    // only then asked what it is, so that nothing is swapped in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(systemWords(errno));
    struct stat status = {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return refused(systemWords(error));
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(fd);
        return refused(tr("it is a folder, not a file"));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return refused(tr("it is not a plain file (a pipe or a device)"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(file.errorString());
    }
#else
    file.setFileName(path);
    if (QFileInfo(path).isDir())
        return refused(tr("it is a folder, not a file"));
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
#endif
    const auto tooLarge = [] {
        return tr("it is larger than a results file can be (over %1 MB)").arg(number(LargestFile >> 20));
    };
    if (file.size() > LargestFile)
        return refused(tooLarge());
    QByteArray bytes;
    bytes.reserve(qsizetype(file.size()));
    constexpr qint64 Block = 1 << 20;
    while (!file.atEnd()) {
        const QByteArray block = file.read(Block);
        if (block.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return refused(tr("it could not be read: %1").arg(file.errorString()));
            break;
        }
        bytes += block;
        if (bytes.size() > LargestFile) // it grew while it was read
            return refused(tooLarge());
        if (goOn && !goOn())
            return {};
    }
    Outcome outcome = parse(bytes, QFileInfo(path).completeBaseName(), goOn);
    if (outcome.run)
        outcome.run->source = path;
    return outcome;
}
