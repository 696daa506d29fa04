// How long after a verdict its cue is heard, from a recording of the sound
// server's null sink (tests/sound/cue-latency.sh starts a private one): the
// real program at N = 5 fires automatically (ten shots a second) until 20
// verdicts have been judged, while this process records the sink's monitor.
// Each verdict's chime is found in the recording by its waveform; the
// recording's clock is tied to the program's by the least-delayed block of
// samples that arrived once the stream ran steadily. Prints the median and
// worst delay and how many were never heard.
//   cuelatency                         measures (for the benchmarks)
//   cuelatency --every-cue-heard       fails when a cue is never heard
//   cuelatency --median-at-most MS     fails when the median delay is above MS
//   cuelatency --long-chimes           an 8 s Chimes.wav in the working
//                                      folder; fails when a cue is never heard
#include "fakes.h"
#include "listening.h"
#include "wavfile.h"

#include "forms/shootalot.h"
#include "sound/cuedecoder.h"
#include "sound/cueplayer.h"
#include "formkit/formruntime.h"
#include "runtime/clock.h"
#include "runtime/mixingrandomgenerator.h"

#include <QApplication>
#include <QAudioSource>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Rate = 48000;

// Eight seconds rising from 500 Hz to 1.5 kHz: each moment of it unlike any
// other, so that where it starts is found in the recording.
QByteArray longChimes()
{
    const int rate = 44100, frames = rate * 8;
    std::vector<qint16> samples;
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        phase += 2 * M_PI * (500 + 1000.0 * i / frames) / rate;
        const double fadeIn = std::min(1.0, i / (rate * 0.005));
        samples.push_back(qint16(12000 * fadeIn * std::sin(phase)));
    }
    return pcmWav(samples, rate);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype bound = arguments.indexOf(QStringLiteral("--median-at-most"));
    const double medianAtMost = bound > 0 && bound + 1 < arguments.size() ? arguments[bound + 1].toDouble() : -1;
    const bool checking = arguments.contains(QStringLiteral("--every-cue-heard"))
                          || arguments.contains(QStringLiteral("--long-chimes"));
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 1;
    if (arguments.contains(QStringLiteral("--long-chimes"))) {
        QFile chimes(QStringLiteral("Chimes.wav"));
        if (!chimes.open(QIODevice::WriteOnly) || chimes.write(longChimes()) < 0)
            return 1;
        std::printf("an 8 s Chimes.wav in the working folder\n");
    }
    QAudioDevice monitor;
    // The server's devices are listed as they are found, not at once.
    for (int tries = 0; tries < 60 && monitor.isNull(); ++tries) {
        for (const QAudioDevice &d : QMediaDevices::audioInputs())
            if (d.id() == "cues_recorder")
                monitor = d;
        if (monitor.isNull())
            runEventLoopFor(50);
    }
    if (monitor.isNull()) {
        std::printf("no recording of the sound server's sink (cues_recorder) to be had\n");
        return 77;
    }
    QAudioFormat format;
    format.setSampleRate(Rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(monitor, format);
    source.setBufferSize(Rate * 2 / 100);
    QElapsedTimer clock;
    clock.start();
    std::vector<float> recording;
    double offsetMs = 1e18; // wall time of frame 0, at the least-delayed block
    QIODevice *input = source.start();
    QObject::connect(input, &QIODevice::readyRead, [&] {
        const QByteArray bytes = input->readAll();
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            recording.push_back(*reinterpret_cast<const qint16 *>(bytes.constData() + i) / 32768.0f);
        // Only once the stream runs steadily: the first blocks come in a burst.
        if (clock.elapsed() > 2000)
            offsetMs = std::min(offsetMs, double(clock.nsecsElapsed()) / 1e6 - 1000.0 * double(recording.size()) / Rate);
    });

    MixingRandomGenerator random;
    SystemClock systemClock;
    ScriptedDialogs dialogs;
    dialogs.whenExhausted = QStringLiteral("5");
    RecordingEnd end;
    FormRuntime runtime(end);
    CuePlayer player;
    player.openOutput();
    runEventLoopFor(2500); // the null sink lowers its latency once a stream plays
    struct Verdict { double ms; QString origin; };
    std::vector<Verdict> verdicts;
    QObject::connect(&player, &CuePlayer::cueStarted, [&](const QString &origin) {
        verdicts.push_back({double(clock.nsecsElapsed()) / 1e6, origin});
    });
    ShootALot program(runtime, {random, systemClock, dialogs, player});
    program.start();
    runEventLoopFor(300);
    program.mainWindow().controls().Command2.click(); // AutoStart
    while (verdicts.size() < 20)
        runEventLoopFor(50);
    program.mainWindow().controls().Command3.click(); // AutoStop
    runEventLoopFor(800);
    source.stop();

    std::vector<double> delays;
    int lost = 0;
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        const Verdict &v = verdicts[k];
        // Looked for up to the next verdict, never in the next cue.
        const double until = k + 1 < verdicts.size() ? verdicts[k + 1].ms - 30 : v.ms + 500;
        const std::vector<float> cue = decodedMono(v.origin, Rate);
        const qsizetype span = Rate * 3 / 100; // its first 30 ms
        const auto at = [&](double ms) { return qsizetype((ms - offsetMs) * Rate / 1000); };
        double best = 0;
        qsizetype bestAt = -1;
        for (qsizetype p = std::max<qsizetype>(0, at(v.ms - 30)); p < at(until) && p + span < qsizetype(recording.size()); ++p) {
            double dot = 0, energy = 0, cueEnergy = 0;
            for (qsizetype i = 0; i < span; i += 2) {
                dot += recording[std::size_t(p + i)] * cue[std::size_t(i)];
                energy += recording[std::size_t(p + i)] * recording[std::size_t(p + i)];
                cueEnergy += cue[std::size_t(i)] * cue[std::size_t(i)];
            }
            const double correlation = dot / std::sqrt(energy * cueEnergy + 1e-12);
            if (correlation > best)
                best = correlation, bestAt = p;
        }
        if (best < 0.8) {
            ++lost;
            continue;
        }
        delays.push_back(1000.0 * double(bestAt) / Rate + offsetMs - v.ms);
    }
    std::sort(delays.begin(), delays.end());
    if (delays.empty()) {
        std::printf("verdict to its cue heard: none of %zu heard\n", verdicts.size());
        return 1;
    }
    const double median = delays[delays.size() / 2];
    std::printf("verdict to its cue heard (%zu verdicts, N = 5, 10 shots/s): median %.1f ms, worst %.1f ms, %d never heard\n",
                verdicts.size(), median, delays.back(), lost);
    if (checking && lost > 0) {
        std::printf("FAIL: a verdict's cue was never heard\n");
        return 1;
    }
    if (medianAtMost > 0 && median > medianAtMost) {
        std::printf("FAIL: the median delay is above %.0f ms\n", medianAtMost);
        return 1;
    }
    return 0;
}
