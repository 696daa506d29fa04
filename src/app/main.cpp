#include "app/displaywatch.h"
#include "app/fontconfigwarmup.h"
#include "look/designlook.h"
#include "formkit/formruntime.h"
#include "formkit/qtdialogs.h"
#include "forms/shootalot.h"
#include "l10n/translations.h"
#include "runtime/clock.h"
#include "runtime/mixingrandomgenerator.h"
#include "sound/cueplayer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!displayIsConfigured())
        return 2;
    startReadingFontConfiguration(); // while Qt connects to the display
    watchPlatformStart();

    QApplication app(argc, argv);
    platformStarted();
    QApplication::setApplicationName(QStringLiteral("shootalot"));
    QApplication::setDesktopFileName(QStringLiteral("org.shootalot.ShootALot"));
    // The program ends by its own rules: Exit, a cancelled entry, or the
    // last window closed through its frame.
    QApplication::setQuitOnLastWindowClosed(false);
    const Translations translations;
    design::applyDesignLook();
    watchForLostDisplay();

    MixingRandomGenerator random;
    SystemClock clock;
    CuePlayer sound;
    WatchedProgramEnd programEnd;
    FormRuntime runtime(programEnd);
    QtDialogs dialogs(runtime);

    ShootALot program(runtime, {random, clock, dialogs, sound});
    program.start();
    return runEventLoop();
}
