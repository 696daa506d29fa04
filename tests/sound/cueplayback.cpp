// The real cue player against a real sound server, in two steps that
// tests/sound/cue-playback.sh runs around a recording of the server's
// null sink:
//   cueplayback play              plays the scripted sequence: the failure
//                                 chime (a verdict), cut 200 ms in by Exit's
//                                 cue, which plays whole while the window's
//                                 thread is kept busy for 200 ms in its
//                                 middle, then Init's cue whole
//   cueplayback check RECORDING   checks the recording (16-bit mono, 48 kHz)
//   cueplayback follow            opens the output, then plays the cue each
//                                 line of standard input names ("quit" ends)
//   cueplayback heard RECORDING   whether the failure chime is in a recording
// The cues are told apart by tones only each of them has.
#include "listening.h"

#include "sound/cuedecoder.h"
#include "sound/cueplayer.h"
#include "formkit/mcicontrol.h"
#include "runtime/playcue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

constexpr int Rate = 48000;
constexpr int Window = Rate / 100; // 10 ms

struct Tone
{
    const char *cue;
    double hz;
};
// 440 Hz only in the failure chime, 988 Hz only in Init's; 784 Hz opens Exit's (and
// comes again only in Init's, which plays last).
constexpr Tone Failure{"Chimes2.wav", 440}, ExitCue{"endpinpon.wav", 784}, InitCue{"pinpon.wav", 988};

// The power of one frequency in the 60 ms from from on (Goertzel, Hann
// window: fine enough to tell 440 Hz from 523 Hz).
constexpr int ToneWindow = Rate * 6 / 100;
double power(const std::vector<float> &s, qsizetype from, double hz)
{
    const double k = 2 * std::cos(2 * M_PI * hz / Rate);
    double a = 0, b = 0;
    for (qsizetype i = 0; i < ToneWindow && from + i < qsizetype(s.size()); ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * double(i) / ToneWindow);
        const double c = s[std::size_t(from + i)] * hann + k * a - b;
        b = a;
        a = c;
    }
    return a * a + b * b - k * a * b;
}

double rms(const std::vector<float> &s, qsizetype from)
{
    double sum = 0;
    for (qsizetype i = from; i < from + Window && i < qsizetype(s.size()); ++i)
        sum += double(s[std::size_t(i)]) * s[std::size_t(i)];
    return std::sqrt(sum / Window);
}


// Where hz first sounds at a tenth of its loudest in the recording.
qsizetype onset(const std::vector<float> &s, double hz)
{
    double loudest = 0;
    for (qsizetype i = 0; i + ToneWindow <= qsizetype(s.size()); i += Window)
        loudest = std::max(loudest, power(s, i, hz));
    if (loudest < 1)
        return -1; // never heard
    for (qsizetype i = 0; i + ToneWindow <= qsizetype(s.size()); i += Window / 4)
        if (power(s, i, hz) > loudest / 10)
            return i + ToneWindow / 2;
    return -1;
}

// Where cue best lines up with the recording near at (within 30 ms).
qsizetype align(const std::vector<float> &rec, const std::vector<float> &cue, qsizetype at)
{
    qsizetype best = at;
    double bestScore = -1;
    for (qsizetype shift = at - Rate * 3 / 100; shift <= at + Rate * 3 / 100; ++shift) {
        if (shift < 0)
            continue;
        double score = 0;
        for (qsizetype i = 0; i < Rate / 10 && shift + i < qsizetype(rec.size()); i += 2)
            score += rec[std::size_t(shift + i)] * cue[std::size_t(i)];
        if (score > bestScore)
            bestScore = score, best = shift;
    }
    return best;
}

int fail(const QString &why)
{
    std::printf("FAIL: %s\n", qPrintable(why));
    return 1;
}

std::vector<float> recording(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray raw = file.readAll();
    std::vector<float> rec(std::size_t(raw.size() / 2));
    for (std::size_t i = 0; i < rec.size(); ++i)
        rec[i] = reinterpret_cast<const qint16 *>(raw.constData())[i] / 32768.0f;
    std::printf("recorded %.2f s\n", double(rec.size()) / Rate);
    return rec;
}

int heard(const QString &path)
{
    const std::vector<float> rec = recording(path);
    if (rec.empty())
        return fail(QStringLiteral("no recording"));
    if (onset(rec, Failure.hz) < 0)
        return fail(QStringLiteral("the failure chime was never heard"));
    std::printf("the failure chime was heard\n");
    return 0;
}

int check(const QString &path)
{
    const std::vector<float> rec = recording(path);
    if (rec.empty())
        return fail(QStringLiteral("no recording"));
    // The stretch the output settled in is silence.

    const qsizetype failure = onset(rec, Failure.hz), exit = onset(rec, ExitCue.hz),
                    init = onset(rec, InitCue.hz);
    std::printf("onsets: failure chime %.3f s, Exit's cue %.3f s, Init's cue %.3f s\n",
                double(failure) / Rate, double(exit) / Rate, double(init) / Rate);
    if (failure < 0 || exit < 0 || init < 0)
        return fail(QStringLiteral("a cue was never heard"));
    if (!(failure < exit && exit < init))
        return fail(QStringLiteral("the cues were heard out of order"));

    // Each whole cue as loud as the cue itself in every 10 ms of it: a gap
    // in the stream would drop a window to silence.
    const auto builtIn = [](const char *name) {
        return decodedMono(QStringLiteral(":/cues/") + QLatin1String(name), Rate);
    };
    const std::vector<float> exitCue = builtIn(ExitCue.cue), initCue = builtIn(InitCue.cue);
    const qsizetype exitStart = align(rec, exitCue, exit), initStart = align(rec, initCue, init);
    for (const auto &[cue, start, name] : {std::tuple{&exitCue, exitStart, ExitCue.cue},
                                           std::tuple{&initCue, initStart, InitCue.cue}}) {
        double quietest = 1e9;
        for (qsizetype i = 0; i + Window < qsizetype(cue->size()); i += Window) {
            const double expected = rms(*cue, i);
            if (expected < 0.02)
                continue; // the cue's own quiet end
            quietest = std::min(quietest, rms(rec, start + i) / expected);
        }
        std::printf("%s: from %.3f s, quietest 10 ms at %.0f%% of the cue\n", name,
                    double(start) / Rate, 100 * quietest);
        if (quietest < 0.5)
            return fail(QStringLiteral("a dropout inside %1").arg(QLatin1String(name)));
    }

    // Nothing of the cut chime soon after Exit's cue has begun (it plays out
    // what its stream still has queued, at most 30 ms, and fades in 8 ms; the
    // windows looked at begin 60 ms in): at 440 Hz, no more than Exit's own
    // cue has there.
    double chime = 0, worst = 0;
    for (qsizetype i = failure; i + ToneWindow < exitStart; i += Window)
        chime = std::max(chime, power(rec, i, Failure.hz));
    for (qsizetype i = exitStart + ToneWindow; i + ToneWindow < initStart; i += Window) {
        const double own = power(exitCue, i - exitStart, Failure.hz);
        worst = std::max(worst, (power(rec, i, Failure.hz) - 2 * own) / chime);
    }
    std::printf("failure chime after Exit's cue began, beyond Exit's own 440 Hz: %.1f dB of its peak\n",
                10 * std::log10(std::max(worst, 1e-12)));
    if (worst > 1e-3)
        return fail(QStringLiteral("the cut chime's tail was heard after the next cue began"));
    std::printf("every cue heard, in order, whole, and the cut one gone\n");
    return 0;
}

// The real player with its multimedia control, in an empty working folder
// (so the built-in cues), its output opened.
struct BuiltInCues
{
    BuiltInCues() { player.openOutput(); }
    QTemporaryDir folder;
    bool inFolder = QDir::setCurrent(folder.path());
    CuePlayer player;
    MciControl control{nullptr, player};
};

int play()
{
    BuiltInCues cues;
    MciControl &control = cues.control;
    // A null sink starts with a latency of seconds, and lowers it only once
    // a stream has played for a while: let it settle first.
    runEventLoopFor(2500);
    PlayCue(control, QLatin1String(Failure.cue), CueKind::Short);
    runEventLoopFor(200);
    PlayCue(control, QLatin1String(ExitCue.cue), CueKind::Full);
    runEventLoopFor(400);
    // The window's thread busy for 200 ms, as a large run or a slow repaint
    // keeps it: the cue must go on without a gap.
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 200) {
    }
    runEventLoopFor(1000);
    PlayCue(control, QLatin1String(InitCue.cue), CueKind::Full);
    runEventLoopFor(1500);
    return 0;
}

// The cues a script asks for, one a line, while it does things to the server.
int follow()
{
    BuiltInCues cues;
    MciControl &control = cues.control;
    std::thread reader([&control] {
        std::string line;
        while (std::getline(std::cin, line) && line != "quit") {
            const QString name = QString::fromStdString(line);
            QMetaObject::invokeMethod(qApp, [&control, name] { PlayCue(control, name, CueKind::Short); });
        }
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit);
    });
    const int status = QApplication::exec();
    reader.join();
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "play")
        return play();
    if (mode == "check" && argc > 2)
        return check(QString::fromLocal8Bit(argv[2]));
    if (mode == "follow")
        return follow();
    if (mode == "heard" && argc > 2)
        return heard(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: cueplayback play | check RECORDING | follow | heard RECORDING\n");
    return 2;
}
