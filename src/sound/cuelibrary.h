#pragma once

#include "sound/cuedecoder.h"
#include "sound/cuefile.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// How the cue library reaches the working folder. The program uses the
// file system itself; a test can put a folder in its place that answers
// late, or never, as a hung network home folder does.
class CueFiles
{
public:
    virtual ~CueFiles() = default;
    virtual std::optional<FileSignature> signature(const QString &path) const
    {
        return regularFileSignature(path);
    }
    virtual std::optional<QByteArray> read(const QString &path, qint64 maxBytes, FileSignature *signature) const
    {
        return readRegularFile(path, maxBytes, signature);
    }
};

// Finds and keeps the cues, decoded: a file of the cue's name in the working
// folder when it is a usable sound file, else the program's own cue of that
// name. The program's own cues are decoded on a worker thread once asked
// for, and never wait on a file. The working folder is looked at
// on a thread of its own, which nothing ever waits for: a folder that hangs
// keeps neither a cue nor the end of the program waiting. Until a file has
// been looked at, its name plays the program's own cue.
class CueLibrary final : public QObject
{
    Q_OBJECT

public:
    explicit CueLibrary(CueFormat format, std::shared_ptr<const CueFiles> files = nullptr,
                        QObject *parent = nullptr);
    ~CueLibrary() override;

    // Decodes the program's own cues, once; says cueReady for each when done.
    void decodeBuiltIn();
    // Looks again at the cue of that name in folder: decodes it when it is
    // new or its file changed, and then says cueReady. Returns at once.
    void refresh(const QString &name, const QString &folder);
    // Looks at every cue the program has, ahead of its first use.
    void lookAhead(const QString &folder);
    // The cue to play under that name now: the folder's, once looked at and
    // usable, else the program's own; null only while the program's own is
    // still being decoded, or when there is none of that name at all.
    std::shared_ptr<const Cue> cue(const QString &name) const;
    // Whether the program's own cue of that name is still being decoded.
    bool isLoading(const QString &name) const { return decodingBuiltIn_ && builtInNames_.contains(name); }
    // Whether a look at the folder for that name is under way.
    bool isLookingUp(const QString &name) const;
    bool isLookingUp() const;

signals:
    void cueReady(const QString &name);

private:
    struct Entry
    {
        // The working folder's file as last looked at, usable or not (so an
        // unusable one is not read again until it changes); none: no file.
        std::optional<FileSignature> seen;
        std::shared_ptr<const Cue> cue; // that file's cue; null: the program's own
    };
    struct Looked
    {
        std::optional<FileSignature> seen;
        std::shared_ptr<const Cue> cue;
        bool unchanged = false;
    };
    // Where a look at the folder sends what it found, for as long as the
    // library is there to take it.
    struct Mailbox;
    static Looked lookUp(const CueFiles &files, const QString &path, bool known,
                         std::optional<FileSignature> seen, CueFormat format);
    void lookedUp(const QString &name, const Looked &looked);

    CueFormat format_;
    std::shared_ptr<const CueFiles> files_;
    std::shared_ptr<Mailbox> mailbox_;
    QHash<QString, Entry> entries_;
    QHash<QString, std::shared_ptr<const Cue>> builtIn_;
    QStringList builtInNames_;
    bool decodingBuiltIn_ = true; // until decoded
    bool decodeStarted_ = false;
};
