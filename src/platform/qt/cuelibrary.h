#pragma once

#include "platform/qt/cuedecoder.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

// Finds and keeps the cues, decoded: a file of the cue's name in the working
// folder when it is a usable sound file, else the program's own cue of that
// name. Everything that touches a file or decodes runs on a worker thread;
// the GUI thread only asks and is told.
class CueLibrary final : public QObject
{
    Q_OBJECT

public:
    explicit CueLibrary(CueFormat format, QObject *parent = nullptr);

    // Looks again at the cue of that name in folder: decodes it when it is
    // new or its file changed, and says cueReady when done. Returns at once.
    void refresh(const QString &name, const QString &folder);
    // The cue to play under that name now; null while it is being decoded
    // for the first time, or when there is none at all.
    std::shared_ptr<const Cue> cue(const QString &name) const;
    // Whether a look at that name is still under way.
    bool isLoading(const QString &name) const { return loading_.contains(name); }

signals:
    void cueReady(const QString &name);

private:
    struct Entry
    {
        // The working folder's file as last looked at, usable or not (so an
        // unusable one is not read again until it changes); none: no file.
        std::optional<FileSignature> seen;
        std::shared_ptr<const Cue> cue; // that file's cue, else the built-in one
    };
    struct Loaded
    {
        std::optional<FileSignature> seen;
        std::shared_ptr<const Cue> cue; // null: keep what was there
        bool unchanged = false;
    };
    static Loaded load(const QString &name, const QString &path, bool known,
                       std::optional<FileSignature> seen, std::shared_ptr<const Cue> builtIn,
                       CueFormat format);

    CueFormat format_;
    QHash<QString, Entry> entries_;
    QHash<QString, std::shared_ptr<const Cue>> builtIn_;
    QHash<QString, bool> loading_;
};
