#pragma once

#include "results/experimentresults.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// Saves a copy of the series as CSV on a worker thread, through a SafeFile,
// telling how far it has come: the window's thread, and the timer that
// fires the shots, never wait on the disk. One save at a time.
class ResultsSaver final : public QObject
{
    Q_OBJECT

public:
    explicit ResultsSaver(QObject *parent = nullptr);
    // A save under way is stopped, its temporary file removed.
    ~ResultsSaver() override;

    // The file is made here and at once (a folder that cannot be written
    // in is known before any work), then written on the worker.
    void save(const QString &path, ExperimentResults::Series series);
    // Stops the save under way; the old file stays as it was.
    void cancel();
    bool isSaving() const { return saving_; }

    // The progress reported runs from 0 to this.
    static constexpr int ProgressSteps = 1000;

    struct Outcome
    {
        QString failure; // empty: saved, unless cancelled
        bool cancelled = false;
    };

signals:
    void progressed(int steps);
    // failure: empty when saved, else why not, in words; nothing was
    // changed at path unless it was saved.
    void finished(const QString &path, const QString &failure, bool cancelled);

private:
    QFutureWatcher<Outcome> watcher_;
    // Asked by the worker between blocks; its own, so that a save that
    // reached the disk is never reported as cancelled.
    std::shared_ptr<std::atomic<bool>> stop_;
    QString path_;
    bool saving_ = false;
};
