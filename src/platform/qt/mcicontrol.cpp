#include "platform/qt/mcicontrol.h"

#include "platform/runtime/soundplayer.h"

#include <QDir>
#include <QFileInfo>

MciControl::MciControl(QWidget *parent, SoundPlayer &player)
    : QWidget(parent), player_(player)
{
    setFocusPolicy(Qt::NoFocus);
}

QUrl MciControl::locateCue(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo local(QDir::current(), fileName);
    if (local.isFile())
        return QUrl::fromLocalFile(local.absoluteFilePath());
    const QString builtIn = QStringLiteral(":/cues/") + QFileInfo(fileName).fileName();
    if (QFileInfo(builtIn).isFile())
        return QUrl(QStringLiteral("qrc") + builtIn);
    return {};
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
        opened_ = locateCue(fileName_);
    } else if (word == u"sound") {
        if (!opened_.isEmpty())
            player_.play(opened_);
    }
}
