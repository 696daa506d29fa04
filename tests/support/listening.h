#pragma once

// For the test and the benchmark that listen to the cue player through a
// real sound server.

#include "sound/cuedecoder.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <vector>

// Runs the event loop for ms (QTest::qWait sleeps between its turns, which
// would starve the player's feed).
inline void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A cue file decoded as the player decodes it, mono at rate, as floats.
inline std::vector<float> decodedMono(const QString &path, int rate)
{
    QFile f(path);
    std::vector<float> samples;
    if (!f.open(QIODevice::ReadOnly))
        return samples;
    if (const auto cue = decodeCue(f.readAll(), {rate, 1}, path))
        for (qint16 v : cue->samples)
            samples.push_back(v / 32768.0f);
    return samples;
}
