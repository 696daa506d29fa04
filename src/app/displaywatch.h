#pragma once

#include "formkit/applicationend.h"

// The display the program starts on, watched from before Qt connects to it
// until the end: a missing display, a platform plugin that cannot start and
// a display that goes away mid-run each end the program with one line on
// standard error (and statuses 2, 3 and 4) rather than Qt's screenful and
// an abort. Qt's message handler and an exit hook are plain functions, so
// what they know is kept once per process.

// Whether any display is named at all, where the platform needs one named
// (X11, Wayland); says so when none is.
bool displayIsConfigured();
// Before the application object is made: holds what the platform plugin
// says while it starts.
void watchPlatformStart();
// Once it is made: what the plugin said is passed on.
void platformStarted();
// From here on, an exit that Qt makes mid-run is reported as a lost display.
void watchForLostDisplay();
// QApplication::exec(), as the end of the run is watched.
int runEventLoop();

// Ends the program as ApplicationEnd does, and remembers that it did: an
// exit by the program's own rules is no lost display.
class WatchedProgramEnd final : public ProgramEnd
{
public:
    void End() override;

private:
    ApplicationEnd end_;
};
