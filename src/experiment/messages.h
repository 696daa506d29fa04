#pragma once

#include <QString>

// The program's own texts that more than one operation shows.
namespace messages {

inline QString exitPrompt() { return QStringLiteral("This software will exit."); }
inline QString exitTitle() { return QStringLiteral("Even those who shoots bad guns"); }

inline QString entryPrompt() { return QStringLiteral("Please enter an integer between 5 and 50."); }
inline QString entryTitle() { return QStringLiteral("Setting the number of shots of the gun"); }
inline QString entryDefault() { return QStringLiteral("20"); }

} // namespace messages
