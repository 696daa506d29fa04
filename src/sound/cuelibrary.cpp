#include "sound/cuelibrary.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

const QString BuiltInFolder = QStringLiteral(":/cues/");

using BuiltInCues = QHash<QString, std::shared_ptr<const Cue>>;

BuiltInCues decodeBuiltInCues(const QStringList &names, CueFormat format)
{
    BuiltInCues cues;
    for (const QString &name : names) {
        QFile resource(BuiltInFolder + name);
        if (resource.open(QIODevice::ReadOnly))
            if (auto cue = decodeCue(resource.readAll(), format, resource.fileName()))
                cues.insert(name, std::move(cue));
    }
    return cues;
}

} // namespace

// The looks at the folder wait in a queue for one thread, made when there is
// work and gone once there has been none for a while: one file in memory at
// a time, however many cues are asked for, and no thread made and ended for
// each verdict of an automatic run. A look that finds the file as it was
// last time tells the window's thread nothing, so that it is not woken for
// it at every verdict.
struct CueLibrary::Mailbox
{
    struct Job
    {
        QString name;
        QString path;
        bool known = false;
        std::optional<FileSignature> seen;
    };

    static constexpr std::chrono::seconds Linger{5};

    std::mutex lock;
    std::condition_variable posted;
    CueLibrary *library = nullptr; // none once the library has gone
    std::deque<Job> jobs;
    QSet<QString> lookingUp; // names asked for and not yet answered
    bool working = false;

    static void post(const std::shared_ptr<Mailbox> &mailbox, Job job,
                     const std::shared_ptr<const CueFiles> &files, CueFormat format)
    {
        std::unique_lock hold(mailbox->lock);
        if (mailbox->lookingUp.contains(job.name))
            return;
        mailbox->lookingUp.insert(job.name);
        mailbox->jobs.push_back(std::move(job));
        if (mailbox->working) {
            hold.unlock();
            mailbox->posted.notify_one();
            return;
        }
        mailbox->working = true;
        // Never joined: a file system can take any time to answer, and the
        // program must be able to end meanwhile.
        std::thread([mailbox, files, format] {
            for (;;) {
                Job next;
                {
                    std::unique_lock hold(mailbox->lock);
                    mailbox->posted.wait_for(hold, Linger, [&mailbox] {
                        return !mailbox->jobs.empty() || !mailbox->library;
                    });
                    if (mailbox->jobs.empty() || !mailbox->library) {
                        mailbox->working = false;
                        return;
                    }
                    next = std::move(mailbox->jobs.front());
                    mailbox->jobs.pop_front();
                }
                mailbox->deliver(next.name, lookUp(*files, next.path, next.known, next.seen, format));
            }
        }).detach();
    }

    void deliver(const QString &name, Looked looked)
    {
        const std::lock_guard hold(lock);
        if (looked.unchanged || !library)
            lookingUp.remove(name);
        else
            QMetaObject::invokeMethod(
                library, [library = library, name, looked] { library->lookedUp(name, looked); },
                Qt::QueuedConnection);
    }
};

CueLibrary::CueLibrary(CueFormat format, std::shared_ptr<const CueFiles> files, QObject *parent)
    : QObject(parent), format_(format),
      files_(files ? std::move(files) : std::make_shared<const CueFiles>()),
      mailbox_(std::make_shared<Mailbox>()),
      builtInNames_(QDir(BuiltInFolder).entryList(QDir::Files))
{
    mailbox_->library = this;
}

void CueLibrary::decodeBuiltIn()
{
    if (decodeStarted_)
        return;
    decodeStarted_ = true;
    // Decoding takes a few milliseconds and reads no file: the program's own
    // cues are ready long before the first one is due.
    auto *watcher = new QFutureWatcher<BuiltInCues>(this);
    connect(watcher, &QFutureWatcher<BuiltInCues>::finished, this, [this, watcher] {
        builtIn_ = watcher->result();
        watcher->deleteLater();
        decodingBuiltIn_ = false;
        for (const QString &name : builtInNames_)
            emit cueReady(name);
    });
    watcher->setFuture(QtConcurrent::run(decodeBuiltInCues, builtInNames_, format_));
}

CueLibrary::~CueLibrary()
{
    // A look still under way finds nobody to tell, and a waiting thread ends.
    {
        const std::lock_guard hold(mailbox_->lock);
        mailbox_->library = nullptr;
    }
    mailbox_->posted.notify_all();
}

std::shared_ptr<const Cue> CueLibrary::cue(const QString &name) const
{
    if (const auto entry = entries_.constFind(name); entry != entries_.constEnd() && entry->cue)
        return entry->cue;
    return builtIn_.value(name);
}

void CueLibrary::lookAhead(const QString &folder)
{
    for (const QString &name : builtInNames_)
        refresh(name, folder);
}

bool CueLibrary::isLookingUp(const QString &name) const
{
    const std::lock_guard hold(mailbox_->lock);
    return mailbox_->lookingUp.contains(name);
}

bool CueLibrary::isLookingUp() const
{
    const std::lock_guard hold(mailbox_->lock);
    return !mailbox_->lookingUp.isEmpty();
}

void CueLibrary::refresh(const QString &name, const QString &folder)
{
    if (name.isEmpty())
        return;
    const QString path = QDir(folder).filePath(name);
    const auto known = entries_.constFind(name);
    const bool isKnown = known != entries_.constEnd();
    Mailbox::post(mailbox_, {name, path, isKnown, isKnown ? known->seen : std::nullopt}, files_, format_);
}

CueLibrary::Looked CueLibrary::lookUp(const CueFiles &files, const QString &path, bool known,
                                      std::optional<FileSignature> seen, CueFormat format)
{
    // The working folder's file, unless it is the one looked at last time.
    const std::optional<FileSignature> now = files.signature(path);
    if (known && now == seen)
        return {seen, nullptr, true};
    if (now) {
        FileSignature signature = *now;
        if (const auto bytes = files.read(path, MaxCueFileBytes, &signature))
            if (auto cue = decodeCue(*bytes, format, path))
                return {signature, std::move(cue), false};
    }
    // Nothing usable there: the program's own cue.
    return {now, nullptr, false};
}

void CueLibrary::lookedUp(const QString &name, const Looked &looked)
{
    entries_.insert(name, {looked.seen, looked.cue});
    {
        const std::lock_guard hold(mailbox_->lock);
        mailbox_->lookingUp.remove(name);
    }
    emit cueReady(name);
}
