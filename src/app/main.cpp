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

// Qt ends the process with a screenful of text and an abort when it cannot
// reach the display, and with a warning when the display goes away. Say
// either in one line, and end with a non-zero status.
void reportDisplayTrouble(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "shootalot: cannot open a window on the display %s\n",
                     display.isEmpty() ? "(none)" : display.constData());
        _exit(3);
    }
    if (message.contains(QLatin1String("connection broke"))) {
        std::fprintf(stderr, "shootalot: the display %s went away\n", display.constData());
        _exit(4);
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
    qInstallMessageHandler(reportDisplayTrouble);

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
