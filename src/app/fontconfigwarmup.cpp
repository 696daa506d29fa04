#include "app/fontconfigwarmup.h"

#ifdef SHOOTALOT_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#endif

void startReadingFontConfiguration()
{
#ifdef SHOOTALOT_HAVE_FONTCONFIG
    // FcInit() loads fontconfig's configuration once per process, safely
    // from any thread; whichever thread finishes second uses the first one's.
    // While Qt connects to the display and loads its plugins, this thread has
    // another core to itself.
    std::thread([] { FcInit(); }).detach();
#endif
}
