#include "forms/shootalot.h"
#include "platform/applicationend.h"
#include "platform/clock.h"
#include "platform/formruntime.h"
#include "platform/mixingrandomgenerator.h"
#include "platform/qtdialogs.h"
#include "platform/qtsoundplayer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Qt ends the process with a screenful of warnings and an abort when it
// cannot reach a display or loses it. Say it in one line instead.
void reportFatal(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "shootalot: cannot use the display: %s\n",
                     qPrintable(message.section(u'\n', 0, 0)));
        _exit(3);
    }
    if (type == QtCriticalMsg)
        std::fprintf(stderr, "shootalot: %s\n", qPrintable(message));
}

bool hasDisplay()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "shootalot: no display to open the window on (DISPLAY is not set)\n");
        return 2;
    }
    qInstallMessageHandler(reportFatal);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shootalot"));
    QApplication::setDesktopFileName(QStringLiteral("org.shootalot.ShootALot"));
    // The program ends by its own rules: Exit, a cancelled entry, or the
    // last window closed through its frame.
    QApplication::setQuitOnLastWindowClosed(false);

    MixingRandomGenerator random;
    SystemClock clock;
    QtSoundPlayer sound;
    ApplicationEnd programEnd;
    FormRuntime runtime(programEnd);
    QtDialogs dialogs(runtime);

    ShootALot program(runtime, {random, clock, dialogs, sound});
    program.start();
    return QApplication::exec();
}
