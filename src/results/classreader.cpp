#include "results/classreader.h"

#include <QPromise>
#include <QtConcurrent>

namespace {

using Outcomes = ClassReader::Outcomes;

void readAll(QPromise<Outcomes> &promise, const QStringList &paths, const std::shared_ptr<std::atomic<bool>> &stop)
{
    promise.setProgressRange(0, int(paths.size()));
    const auto goOn = [&stop] { return !stop->load(); };
    Outcomes outcomes;
    for (qsizetype i = 0; i < paths.size() && goOn(); ++i) {
        outcomes.push_back({paths[i], ResultsFile::read(paths[i], goOn)});
        promise.setProgressValue(int(i + 1));
    }
    promise.addResult(stop->load() ? Outcomes() : std::move(outcomes));
}

} // namespace

ClassReader::ClassReader(QObject *parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<Outcomes>::progressValueChanged, this, &ClassReader::progressed);
    connect(&watcher_, &QFutureWatcher<Outcomes>::finished, this, [this] {
        reading_ = false;
        const bool cancelled = stop_->load();
        emit finished(cancelled ? Outcomes() : watcher_.future().result(), cancelled);
    });
}

ClassReader::~ClassReader()
{
    watcher_.disconnect(this);
    cancel();
    watcher_.waitForFinished();
}

void ClassReader::read(const QStringList &paths)
{
    if (reading_)
        return;
    reading_ = true;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    watcher_.setFuture(QtConcurrent::run(readAll, paths, stop_));
}

void ClassReader::cancel()
{
    if (stop_)
        stop_->store(true);
}
