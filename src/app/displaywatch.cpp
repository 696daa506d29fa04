#include "app/displaywatch.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Qt's message handler and the exit hook are plain functions, so what they
// need to know stands here, once per process.
struct ProcessWatch
{
    struct HeldMessage
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    QtMessageHandler previousHandler = nullptr;
    // What Qt says while the platform plugin starts: passed on once it has
    // started, dropped for our one line when it cannot.
    std::vector<HeldMessage> held;
    bool applicationMade = false; // the platform plugin has started
    // Whether the event loop runs, and whether the program ended by its own
    // rules: together they tell an exit of Qt's own, mid-run, from ours.
    bool running = false;
    bool endedByTheProgram = false;
};

ProcessWatch &watch()
{
    static ProcessWatch w;
    return w;
}

// Where Qt's own platform is X11 or Wayland, a window needs a display named
// in the environment; on Windows and macOS there is always one.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
constexpr bool DisplayNamedInEnvironment = true;
#else
constexpr bool DisplayNamedInEnvironment = false;
#endif

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Where Qt is about to open the window, in words: the platform it picks,
// by the rules it applies itself.
QByteArray displayInWords()
{
    QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(';').value(0);
    if (platform.isEmpty() && !DisplayNamedInEnvironment)
        return "the desktop";
    if (platform.isEmpty())
        platform = qgetenv("XDG_SESSION_TYPE") == "wayland" && isSet("WAYLAND_DISPLAY") ? "wayland"
                                                                                         : "xcb";
    if (platform.startsWith("wayland")) {
        const QByteArray display = qgetenv("WAYLAND_DISPLAY");
        return "the Wayland display " + (display.isEmpty() ? QByteArray("wayland-0") : display);
    }
    if (platform == "xcb") {
        const QByteArray display = qgetenv("DISPLAY");
        return "the X display " + (display.isEmpty() ? QByteArray("(none)") : display);
    }
    return "the " + platform + " platform";
}

void passOn(const ProcessWatch::HeldMessage &m)
{
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
    watch().previousHandler(m.type, context, m.text);
}

// A fatal message while the application object is being made comes from the
// platform plugin failing to start: Qt would follow it with a screenful of
// text and an abort. Say it in one line and end with status 3 (with what Qt
// said first, when its plugin debugging is on). Every other message goes to
// the handler that was there before, unchanged.
void reportDisplayTrouble(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    ProcessWatch &w = watch();
    if (!w.applicationMade) {
        if (type != QtFatalMsg) {
            w.held.push_back({type, QByteArray(context.category), message});
            return;
        }
        if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS"))
            for (const auto &m : w.held)
                passOn(m);
        std::fprintf(stderr, "shootalot: cannot open a window on %s\n", displayInWords().constData());
        std::_Exit(3);
    }
    w.previousHandler(type, context, message);
}

} // namespace

void platformStarted()
{
    ProcessWatch &w = watch();
    w.applicationMade = true;
    for (const auto &m : w.held)
        passOn(m);
    w.held.clear();
}

namespace {

// Qt leaves the process with exit() from inside the event loop when the
// display connection is lost; nothing of ours asked for that.
void reportLostDisplay()
{
    if (watch().running && !watch().endedByTheProgram) {
        std::fprintf(stderr, "shootalot: %s went away\n", displayInWords().constData());
        std::fflush(stderr);
        std::_Exit(4);
    }
}

} // namespace

bool displayIsConfigured()
{
    if (!DisplayNamedInEnvironment || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")
        || isSet("QT_QPA_PLATFORM"))
        return true;
    std::fprintf(stderr, "shootalot: no display to open the window on (DISPLAY is not set)\n");
    return false;
}

void watchPlatformStart()
{
    watch().previousHandler = qInstallMessageHandler(reportDisplayTrouble);
}

void watchForLostDisplay()
{
    std::atexit(reportLostDisplay);
}

int runEventLoop()
{
    watch().running = true;
    const int status = QApplication::exec();
    watch().running = false;
    return status;
}

void WatchedProgramEnd::End()
{
    watch().endedByTheProgram = true;
    end_.End();
}
