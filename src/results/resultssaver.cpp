#include "results/resultssaver.h"

#include "results/resultsreport.h"
#include "results/safefile.h"

#include <QPromise>
#include <QtConcurrent>

namespace {

using Outcome = ResultsSaver::Outcome;

void writeSeries(QPromise<Outcome> &promise, const std::shared_ptr<SafeFile> &made,
                 const ExperimentResults::Series &series, const std::shared_ptr<std::atomic<bool>> &stop)
{
    SafeFile &file = *made;
    const qint64 all = std::max<qint64>(1, qint64(series.hits.size()));
    promise.setProgressRange(0, ResultsSaver::ProgressSteps);
    const bool written = ResultsReport::writeCsv(series, file.device(), [&](qint64 done) {
        promise.setProgressValue(int(done * ResultsSaver::ProgressSteps / all));
        return !stop->load();
    });
    if (stop->load()) {
        promise.addResult(Outcome{QString(), true}); // the temporary file goes with `file`
        return;
    }
    if (!written) {
        file.writeFailed();
        promise.addResult(Outcome{file.failure()});
        return;
    }
    promise.addResult(Outcome{file.commit() ? QString() : file.failure()});
}

} // namespace

ResultsSaver::ResultsSaver(QObject *parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<Outcome>::progressValueChanged, this, &ResultsSaver::progressed);
    connect(&watcher_, &QFutureWatcher<Outcome>::finished, this, [this] {
        saving_ = false;
        const Outcome outcome = watcher_.future().result();
        emit finished(path_, outcome.failure, outcome.cancelled);
    });
}

ResultsSaver::~ResultsSaver()
{
    watcher_.disconnect(this);
    cancel();
    watcher_.waitForFinished();
}

void ResultsSaver::save(const QString &path, ExperimentResults::Series series)
{
    if (saving_)
        return;
    saving_ = true;
    path_ = path;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    auto file = std::make_shared<SafeFile>(path);
    if (!file->open()) {
        watcher_.setFuture(QtFuture::makeReadyFuture(Outcome{file->failure()}));
        return;
    }
    watcher_.setFuture(QtConcurrent::run(writeSeries, std::move(file), std::move(series), stop_));
}

void ResultsSaver::cancel()
{
    if (stop_)
        stop_->store(true);
}
