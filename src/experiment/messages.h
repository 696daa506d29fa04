#pragma once

#include <QCoreApplication>
#include <QString>

// The program's own words: what its dialogs ask and say, and the verdicts.
// (The window captions and labels stand in the window designs, the help
// text in the help window's.)
namespace messages {

inline QString exitPrompt() { return QStringLiteral("This software will exit."); }
inline QString exitTitle() { return QStringLiteral("Even those who shoots bad guns"); }

inline QString entryPrompt() { return QStringLiteral("Please enter an integer between 5 and 50."); }
inline QString entryTitle() { return QStringLiteral("Setting the number of shots of the gun"); }
inline QString entryDefault() { return QStringLiteral("20"); }

// The verdict of an experiment fired by hand, and of one fired by the timer.
inline QString manualSuccess() { return QStringLiteral("成功"); }
inline QString manualFailure() { return QStringLiteral("失敗"); }
inline QString automaticSuccess() { return QStringLiteral("Success"); }
inline QString automaticFailure() { return QStringLiteral("Failure"); }

// What a screen reader is told as the experiment goes on: beyond the
// windows' own words, so in the learner's language.
inline QString shotHeard(int shot, bool hit)
{
    return (hit ? QCoreApplication::translate("Announcements", "Shot %1: hit.")
                : QCoreApplication::translate("Announcements", "Shot %1: miss."))
        .arg(shot);
}
inline QString verdictHeard(const QString &verdict, const QString &rate)
{
    return QCoreApplication::translate("Announcements", "%1. Success rate %2.").arg(verdict, rate);
}
inline QString readyHeard(int shots)
{
    return QCoreApplication::translate("Announcements", "Ready: %1 shots per experiment. Firing fires one shot, "
                                                        "AutoStart fires them automatically.")
        .arg(shots);
}
inline QString automaticHeard()
{
    return QCoreApplication::translate("Announcements", "Automatic firing. Only AutoStop can be used.");
}
inline QString stoppedHeard() { return QCoreApplication::translate("Announcements", "Automatic firing stopped."); }
inline QString plotHeard(int shot, int shots, int hits)
{
    return QCoreApplication::translate("Announcements", "Shot %1 of %2, %3 hit(s) in this experiment.")
        .arg(shot)
        .arg(shots)
        .arg(hits);
}

} // namespace messages
