#pragma once

#include "results/resultsfile.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

// Reads the files a class's results are added from, one after another on a
// worker thread, telling how many are done: a file on a slow stick or a
// huge one never holds the window up. One reading at a time.
class ClassReader final : public QObject
{
    Q_OBJECT

public:
    struct FileOutcome
    {
        QString path;
        ResultsFile::Outcome outcome;
    };
    using Outcomes = std::vector<FileOutcome>;

    explicit ClassReader(QObject *parent = nullptr);
    // A reading under way is stopped, and waited for.
    ~ClassReader() override;

    void read(const QStringList &paths);
    // Stops after the file being read; the files read so far are not told.
    void cancel();
    bool isReading() const { return reading_; }

signals:
    // Files read so far, of `paths.size()`.
    void progressed(int files);
    // Each file's outcome, in the order given; none when cancelled.
    void finished(const ClassReader::Outcomes &outcomes, bool cancelled);

private:
    QFutureWatcher<Outcomes> watcher_;
    std::shared_ptr<std::atomic<bool>> stop_;
    bool reading_ = false;
};
