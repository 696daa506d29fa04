#include "platform/qt/fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

#include <thread>

void startReadingFontConfiguration()
{
    // fontconfig loads its configuration once per process, safely from any
    // thread; whichever thread finishes second uses the first one's. While
    // Qt connects to the display and loads its plugins, this thread has the
    // other core: the first question came 3 to 5 ms sooner for it.
    std::thread([] { FcInit(); }).detach();
}
