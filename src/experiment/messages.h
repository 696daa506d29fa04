#pragma once

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

} // namespace messages
