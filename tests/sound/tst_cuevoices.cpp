// The cue voices against streams that record what they are given: the
// order of cues, the cut cue's fade, a cue started before its stream is
// ready, a write the server refuses, and corking. No sound server needed.
#include "sound/cuevoices.h"

#include <QtTest>

#include <vector>

namespace {

// One channel at 1 kHz: a millisecond is a frame, a frame two bytes.
constexpr CueFormat Format{1000, 1};
constexpr qsizetype FadeFrames = 8;

std::shared_ptr<const Cue> steadyCue(qint16 level, int frames)
{
    auto cue = std::make_shared<Cue>();
    cue->origin = QStringLiteral("level %1").arg(level);
    cue->rate = Format.rate;
    cue->channels = Format.channels;
    cue->samples.assign(std::size_t(frames), level);
    return cue;
}

class RecordingSink final : public CueSink
{
public:
    struct Write
    {
        qint64 offset;
        Seek seek;
        std::vector<qint16> samples;
    };

    bool isReady() const override { return ready; }
    void *beginWrite(std::size_t &bytes) override
    {
        memory.assign(bytes, 0);
        return memory.data();
    }
    bool write(const void *data, std::size_t bytes, qint64 offset, Seek seek) override
    {
        if (refuses)
            return false;
        const auto *samples = static_cast<const qint16 *>(data);
        writes.push_back({offset, seek, std::vector<qint16>(samples, samples + bytes / sizeof(qint16))});
        return true;
    }
    void cancelWrite() override { ++cancelled; }
    void setCorked(bool c) override { corked = c; }
    bool requestReadPosition() override
    {
        ++readPositionRequests;
        return ready;
    }
    std::optional<qint64> bytesBeyondPlayback() const override { return beyond; }

    // Every sample written, in order, with each write at its place.
    std::vector<qint16> samplesOf(std::size_t write) const { return writes.at(write).samples; }

    bool ready = true;
    bool refuses = false;
    bool corked = true;
    int cancelled = 0;
    int readPositionRequests = 0;
    std::optional<qint64> beyond;
    std::vector<Write> writes;

private:
    std::vector<char> memory;
};

struct Rig
{
    Rig()
    {
        for (std::size_t i = 0; i < CueVoices::Count; ++i)
            voices.attach(i, &sinks[i]);
    }
    CueVoices voices{Format, FadeFrames};
    RecordingSink sinks[CueVoices::Count];
};

bool allAre(const std::vector<qint16> &samples, qsizetype from, qsizetype count, qint16 level)
{
    if (from + count > qsizetype(samples.size()))
        return false;
    return std::all_of(samples.begin() + from, samples.begin() + from + count,
                       [level](qint16 s) { return s == level; });
}

} // namespace

class TestCueVoices : public QObject
{
    Q_OBJECT

private slots:
    void aCueIsWrittenWholeAsItStarts();
    void cuesTakeTheStreamsInTurn();
    void theCutCueFadesFromWhereTheServerReads_data();
    void theCutCueFadesFromWhereTheServerReads();
    void aCueStartedBeforeItsStreamIsReadyIsHeard();
    void aRefusedWriteIsNotCountedAsPlayed();
    void aRefusedWriteFailsTheStream_data();
    void aRefusedWriteFailsTheStream();
    void aStreamIsCorkedOnceItsCueIsHeardOut();
};

void TestCueVoices::aCueIsWrittenWholeAsItStarts()
{
    Rig rig;
    rig.voices.start(steadyCue(1000, 300));
    RecordingSink &sink = rig.sinks[1]; // the voice after the latest, which starts as voice 0
    QCOMPARE(sink.writes.size(), std::size_t(1));
    const RecordingSink::Write &w = sink.writes[0];
    // Just past what the server has mixed ahead, over the silence queued.
    QCOMPARE(w.seek, CueSink::Seek::RelativeOnRead);
    QCOMPARE(w.offset, rig.voices.bytesFor(CueVoices::StartMarginMilliseconds));
    QVERIFY(allAre(w.samples, 0, 300, 1000));
    // Then at least a whole buffer, silence after the cue.
    QVERIFY(qsizetype(w.samples.size()) >= rig.voices.bytesFor(CueVoices::BufferMilliseconds) / 2);
    QVERIFY(allAre(w.samples, 300, qsizetype(w.samples.size()) - 300, 0));
    QVERIFY(!sink.corked);
    QCOMPARE(rig.sinks[0].writes.size(), std::size_t(0));
}

void TestCueVoices::cuesTakeTheStreamsInTurn()
{
    Rig rig;
    rig.voices.start(steadyCue(1000, 300));
    rig.voices.start(steadyCue(2000, 300));
    rig.voices.start(steadyCue(3000, 300));
    // The second cue waits for nothing: it goes to the other stream at once,
    // while the first one's stream is asked where the server reads.
    QCOMPARE(rig.sinks[0].writes.size(), std::size_t(1));
    QVERIFY(allAre(rig.sinks[0].samplesOf(0), 0, 300, 2000));
    QCOMPARE(rig.sinks[1].readPositionRequests, 1);
    // The third comes back to the first stream, which is still cutting: it
    // follows the fade there, once the server has answered.
    QCOMPARE(rig.sinks[1].writes.size(), std::size_t(1));
    rig.sinks[1].beyond = 200 * 2;
    rig.voices.readPositionKnown(1, true);
    QCOMPARE(rig.sinks[1].writes.size(), std::size_t(2));
    const std::vector<qint16> after = rig.sinks[1].samplesOf(1);
    const auto third = std::find(after.begin(), after.end(), 3000);
    QVERIFY2(third != after.end(), "the third cue was never written");
    QVERIFY(allAre(after, third - after.begin(), 300, 3000));
}

void TestCueVoices::theCutCueFadesFromWhereTheServerReads_data()
{
    QTest::addColumn<int>("framesBeyond");
    QTest::addColumn<bool>("fadesBack");
    // The cue's 300 frames and the silence after them, 1010 frames in all,
    // are written as it starts; the server has played all but framesBeyond.
    QTest::newRow("most of the cue still queued") << 900 << true;
    QTest::newRow("the cue's last frames still queued") << 740 << true;
    QTest::newRow("no more than the margin queued: what is queued plays out") << 20 << false;
}

void TestCueVoices::theCutCueFadesFromWhereTheServerReads()
{
    QFETCH(int, framesBeyond);
    QFETCH(bool, fadesBack);
    Rig rig;
    rig.voices.start(steadyCue(1000, 300));
    rig.voices.stop();
    RecordingSink &sink = rig.sinks[1];
    QCOMPARE(sink.readPositionRequests, 1);
    sink.beyond = qint64(framesBeyond) * 2;
    rig.voices.readPositionKnown(1, true);
    if (!fadesBack) {
        QCOMPARE(sink.writes.size(), std::size_t(1)); // nothing to write over
        return;
    }
    QCOMPARE(sink.writes.size(), std::size_t(2));
    const RecordingSink::Write &fade = sink.writes[1];
    QCOMPARE(fade.seek, CueSink::Seek::Relative);
    const qint64 margin = CueVoices::CutMarginMilliseconds; // frames, at 1 kHz
    {
        // Written over from the margin beyond the read position: the cue,
        // falling to silence within the fade, then silence.
        QCOMPARE(fade.offset, -(framesBeyond - margin) * 2);
        QVERIFY(fade.samples.at(0) > 0);
        QVERIFY(std::is_sorted(fade.samples.begin(), fade.samples.begin() + FadeFrames, std::greater<>()));
        QVERIFY(allAre(fade.samples, FadeFrames, qsizetype(fade.samples.size()) - FadeFrames, 0));
    }
}

void TestCueVoices::aCueStartedBeforeItsStreamIsReadyIsHeard()
{
    Rig rig;
    for (RecordingSink &sink : rig.sinks)
        sink.ready = false;
    rig.voices.start(steadyCue(1000, 300));
    RecordingSink &sink = rig.sinks[1];
    QCOMPARE(sink.writes.size(), std::size_t(0));
    QVERIFY(sink.corked);
    sink.ready = true;
    rig.voices.readyChanged(1);
    QCOMPARE(sink.writes.size(), std::size_t(1));
    QVERIFY(allAre(sink.samplesOf(0), 0, 300, 1000));
    QVERIFY2(!sink.corked, "the stream stayed corked with its cue written");
}

void TestCueVoices::aRefusedWriteIsNotCountedAsPlayed()
{
    Rig rig;
    RecordingSink &sink = rig.sinks[1];
    sink.refuses = true;
    rig.voices.start(steadyCue(1000, 300));
    QCOMPARE(sink.writes.size(), std::size_t(0));
    QCOMPARE(sink.cancelled, 1);
    // What the server takes next begins where the refused write began: the
    // cue, fading out as a cut one does, never a skip to the silence after.
    sink.refuses = false;
    rig.voices.writeRequested(1, 500 * 2);
    QCOMPARE(sink.writes.size(), std::size_t(1));
    const std::vector<qint16> next = sink.samplesOf(0);
    QVERIFY2(next.at(0) > 0, "the refused part of the cue was skipped");
}

void TestCueVoices::aRefusedWriteFailsTheStream_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("as a cue starts on a quiet stream") << "start";
    QTest::newRow("on the server's request") << "request";
    QTest::newRow("as the cut cue fades from where the server reads") << "cut";
}

void TestCueVoices::aRefusedWriteFailsTheStream()
{
    QFETCH(QString, when);
    Rig rig;
    // The output lets go of every stream when one fails, from inside the
    // write that failed.
    std::vector<std::size_t> failed;
    rig.voices.setFailureHandler([&](std::size_t voice) {
        failed.push_back(voice);
        for (std::size_t i = 0; i < CueVoices::Count; ++i)
            rig.voices.attach(i, nullptr);
    });
    RecordingSink &sink = rig.sinks[1];
    if (when == "start") {
        sink.refuses = true;
        rig.voices.start(steadyCue(1000, 300));
    } else if (when == "request") {
        rig.voices.start(steadyCue(1000, 300));
        sink.refuses = true;
        rig.voices.writeRequested(1, 500 * 2);
    } else {
        rig.voices.start(steadyCue(1000, 900));
        sink.beyond = 800 * 2;
        rig.voices.stop();
        sink.refuses = true;
        rig.voices.readPositionKnown(1, true);
    }
    QCOMPARE(failed, std::vector<std::size_t>{1});
    QCOMPARE(sink.cancelled, 1);
    // Nothing is written while the streams are gone, and the next cue on new
    // streams is heard whole, with nothing of the old one before it.
    const std::size_t before = sink.writes.size();
    rig.voices.start(steadyCue(2000, 100));
    QCOMPARE(sink.writes.size(), before);
    RecordingSink fresh[CueVoices::Count];
    for (std::size_t i = 0; i < CueVoices::Count; ++i)
        rig.voices.attach(i, &fresh[i]);
    rig.voices.start(steadyCue(3000, 100));
    const RecordingSink &heard = fresh[0].writes.empty() ? fresh[1] : fresh[0];
    QCOMPARE(heard.writes.size(), std::size_t(1));
    QVERIFY(allAre(heard.samplesOf(0), 0, 100, 3000));
}

void TestCueVoices::aStreamIsCorkedOnceItsCueIsHeardOut()
{
    Rig rig;
    rig.voices.start(steadyCue(1000, 300));
    RecordingSink &sink = rig.sinks[1];
    QVERIFY(!sink.corked);
    // Silence requested until more than CorkAfterMilliseconds of it is written.
    for (int i = 0; i < 10 && !sink.corked; ++i)
        rig.voices.writeRequested(1, std::size_t(rig.voices.bytesFor(CueVoices::RequestMilliseconds)));
    QVERIFY(sink.corked);
    // The next cue on it uncorks it.
    rig.voices.start(steadyCue(2000, 100)); // to the other stream
    rig.voices.start(steadyCue(3000, 100)); // back to this one
    QVERIFY(!sink.corked);
}

QTEST_MAIN(TestCueVoices)
#include "tst_cuevoices.moc"
