#include "platform/qt/cuelibrary.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

CueLibrary::CueLibrary(CueFormat format, QObject *parent)
    : QObject(parent), format_(format)
{
}

std::shared_ptr<const Cue> CueLibrary::cue(const QString &name) const
{
    return entries_.value(name).cue;
}

void CueLibrary::refresh(const QString &name, const QString &folder)
{
    if (name.isEmpty() || loading_.contains(name))
        return;
    loading_.insert(name, true);
    const QString path = QDir(folder).filePath(name);
    const auto known = entries_.constFind(name);
    const bool isKnown = known != entries_.constEnd();
    auto *watcher = new QFutureWatcher<Loaded>(this);
    connect(watcher, &QFutureWatcher<Loaded>::finished, this, [this, watcher, name] {
        const Loaded loaded = watcher->result();
        watcher->deleteLater();
        loading_.remove(name);
        if (!loaded.unchanged && loaded.cue) {
            entries_.insert(name, {loaded.seen, loaded.cue});
            if (loaded.cue->origin.startsWith(u':'))
                builtIn_.insert(name, loaded.cue);
        }
        emit cueReady(name);
    });
    watcher->setFuture(QtConcurrent::run(load, name, path, isKnown,
                                         isKnown ? known->seen : std::nullopt,
                                         builtIn_.value(name), format_));
}

CueLibrary::Loaded CueLibrary::load(const QString &name, const QString &path, bool known,
                                    std::optional<FileSignature> seen,
                                    std::shared_ptr<const Cue> builtIn, CueFormat format)
{
    // The working folder's file, unless it is the one looked at last time.
    const std::optional<FileSignature> now = regularFileSignature(path);
    if (known && now == seen)
        return {seen, nullptr, true};
    if (now) {
        FileSignature signature = *now;
        if (const auto bytes = readRegularFile(path, MaxCueFileBytes, &signature))
            if (auto cue = decodeCue(*bytes, format, path))
                return {signature, std::move(cue), false};
    }
    // Nothing usable there: the program's own cue, decoded once.
    if (!builtIn) {
        QFile resource(QStringLiteral(":/cues/") + name);
        if (resource.open(QIODevice::ReadOnly))
            builtIn = decodeCue(resource.readAll(), format, resource.fileName());
    }
    return {now, std::move(builtIn), false};
}
