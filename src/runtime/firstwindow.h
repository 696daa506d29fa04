#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// Runs work once, from the event loop, as soon as a window of the program is
// on the screen, or after latest if none has come by then: for work that must
// not hold back the first window, and should follow it closely. Nothing runs
// if context goes first.
void whenFirstWindowShown(QObject *context, std::chrono::milliseconds latest, std::function<void()> work);
