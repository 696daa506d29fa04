#include "sound/cueplayer.h"

#include "runtime/firstwindow.h"

#include <QDir>

CuePlayer::CuePlayer(std::shared_ptr<const CueFiles> files, QObject *parent)
    : QObject(parent)
    , library_(Format, std::move(files))
    , output_(makeCueOutput(Format, Format.rate * FadeMilliseconds / 1000))
{
    connect(&library_, &CueLibrary::cueReady, this, [this](const QString &name) {
        if (name != waitingFor_)
            return;
        if (auto cue = library_.cue(name)) {
            waitingFor_.clear();
            start(std::move(cue));
        }
    });
    // The cues are decoded, and the working folder looked at, as soon as the
    // first window is up: long before the first cue is due, and without
    // holding back the first question.
    whenFirstWindowShown(this, std::chrono::seconds(1), [this] {
        preparing_ = false;
        library_.decodeBuiltIn();
        library_.lookAhead(QDir::currentPath());
    });
}

CuePlayer::~CuePlayer() = default;

void CuePlayer::open(const QString &fileName)
{
    library_.refresh(fileName, QDir::currentPath());
}

void CuePlayer::play(const QString &fileName)
{
    if (auto cue = library_.cue(fileName)) {
        waitingFor_.clear();
        start(std::move(cue));
    } else if (library_.isLoading(fileName)) {
        waitingFor_ = fileName; // the program's own: starts as soon as it is decoded
    }
}

void CuePlayer::stop()
{
    waitingFor_.clear();
    output_->stop();
}

void CuePlayer::start(std::shared_ptr<const Cue> cue)
{
    // The output is opened at the first cue, not at start-up, and once.
    output_->open();
    lastStarted_ = cue->origin;
    output_->start(std::move(cue));
    emit cueStarted(lastStarted_);
}
