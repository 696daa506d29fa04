#include "app/fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

#include <thread>

void startReadingFontConfiguration()
{
    // FcInit() loads fontconfig's configuration once per process, safely
    // from any thread; whichever thread finishes second uses the first one's.
    // While Qt connects to the display and loads its plugins, this thread has
    // another core to itself.
    std::thread([] { FcInit(); }).detach();
}
