#include "formkit/mcicontrol.h"

#include "runtime/soundplayer.h"

MciControl::MciControl(QWidget *parent, SoundPlayer &player)
    : QWidget(parent), player_(player)
{
    setFocusPolicy(Qt::NoFocus);
}

void MciControl::setFileName(const QString &fileName)
{
    fileName_ = fileName;
}

void MciControl::setCommand(const QString &command)
{
    const QString word = command.trimmed().toLower();
    if (word == u"stop") {
        player_.stop();
    } else if (word == u"close") {
        player_.stop();
        opened_.clear();
    } else if (word == u"open") {
        opened_ = fileName_;
        if (!opened_.isEmpty())
            player_.open(opened_);
    } else if (word == u"sound") {
        if (!opened_.isEmpty())
            player_.play(opened_);
    }
}
