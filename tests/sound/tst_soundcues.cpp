#include "fakes.h"
#include "processmemory.h"
#include "wavfile.h"

#include "sound/cuedecoder.h"
#include "sound/cueplayer.h"
#include "sound/cuestream.h"
#include "formkit/mcicontrol.h"
#include "runtime/playcue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sndfile.h>

#include <condition_variable>
#include <fstream>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList CueNames{"pinpon.wav", "endpinpon.wav", "Chimes.wav", "Chimes2.wav"};

// A 16-bit mono WAV of seconds of a tone; dataBytes, when given, is what
// its header claims the data to be.
QByteArray wav(double seconds, qint64 dataBytes = -1, quint16 formatTag = 1)
{
    const int rate = 22050;
    std::vector<qint16> samples;
    for (int i = 0; i < int(seconds * rate); ++i)
        samples.push_back(qint16(8000 * std::sin(i * 2 * M_PI * 440 / rate)));
    return pcmWav(samples, rate, dataBytes, formatTag);
}

// Puts what the row names under name in dir; false where it cannot here.
bool plant(const QString &kind, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    const auto write = [&](const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    if (kind == u"good")
        return write(wav(0.3));
    if (kind == u"empty")
        return write({});
    if (kind == u"cut header")
        return write(wav(1).left(20));
    if (kind == u"lying header")
        return write(wav(1, 2'000'000'000));
    if (kind == u"random") {
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        QRandomGenerator(testSeed()).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        return write(bytes);
    }
    if (kind == u"fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    if (kind == u"device link")
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == u"directory")
        return dir.mkdir(name);
    if (kind == u"unreadable")
        return ::geteuid() != 0 && write(wav(0.3)) && QFile::setPermissions(path, {});
    if (kind == u"huge") { // 200 MB of valid silence, without writing it all
        const qint64 data = 200'000'000;
        return write(wav(0, data)) && ::truncate(QFile::encodeName(path).constData(), 44 + data) == 0;
    }
    if (kind == u"unsupported encoding")
        return write(wav(1, -1, 0x0161)); // Windows Media Audio in a WAV
    if (kind == u"multichannel flac") { // 10 s at 384 kHz on 8 channels: 123 MB as floats
        if (name != CueNames.front()) // made once, then copied
            return QFile::copy(dir.filePath(CueNames.front()), path);
        SF_INFO info{};
        info.samplerate = 384000;
        info.channels = 8;
        info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (!file)
            return false;
        std::vector<short> block(std::size_t(info.samplerate) * 8);
        QRandomGenerator noise(testSeed());
        bool whole = true;
        for (int second = 0; second < 10 && whole; ++second) {
            for (short &v : block) // quiet noise, which FLAC cannot squeeze to nothing
                v = short(noise.bounded(-2, 2));
            whole = sf_writef_short(file, block.data(), info.samplerate) == info.samplerate;
        }
        sf_close(file);
        return whole && QFileInfo(path).size() <= MaxCueFileBytes;
    }
    return false;
}

// A working folder that never answers, as a hung network home folder does,
// until it is let go.
class StallingFiles final : public CueFiles
{
public:
    std::optional<FileSignature> signature(const QString &path) const override
    {
        std::unique_lock hold(lock_);
        ++waiting_;
        letGo_.wait(hold, [this] { return released_; });
        return CueFiles::signature(path);
    }
    void release()
    {
        const std::lock_guard hold(lock_);
        released_ = true;
        letGo_.notify_all();
    }
    int waiting() const
    {
        const std::lock_guard hold(lock_);
        return waiting_;
    }

private:
    mutable std::mutex lock_;
    mutable std::condition_variable letGo_;
    mutable int waiting_ = 0;
    bool released_ = false;
};

} // namespace

class TestSoundCues : public QObject
{
    Q_OBJECT

private slots:
    // Commands sent one after another ("file X" names a file), and what the
    // player is asked to do.
    void commands_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("plays");
        QTest::addColumn<int>("stops");
        QTest::newRow("command words ignore case")
            << QStringList{"file pinpon.wav", "OPEN", "sOuNd", "STOP"} << 1 << 1;
        QTest::newRow("Sound with nothing open, an unknown word") << QStringList{"Sound", "Rewind"} << 0 << 0;
        QTest::newRow("close forgets the opened cue")
            << QStringList{"file pinpon.wav", "Open", "close", "Sound"} << 0 << 1;
    }
    void commands()
    {
        QFETCH(QStringList, commands);
        QFETCH(int, plays);
        QFETCH(int, stops);
        RecordingSound sound;
        MciControl control(nullptr, sound);
        for (const QString &c : commands) {
            if (c.startsWith(u"file "))
                control.setFileName(c.mid(5));
            else
                control.setCommand(c);
        }
        QCOMPARE(sound.plays, plays);
        QCOMPARE(sound.stops, stops);
    }

    // The program's own cues decode, and fade to silence at their ends.
    void builtInCues_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : CueNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void builtInCues()
    {
        QFETCH(QString, name);
        QFile resource(QStringLiteral(":/cues/") + name);
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const auto cue = decodeCue(resource.readAll(), CuePlayer::Format, resource.fileName());
        QVERIFY(cue && cue->frames() > CuePlayer::Format.rate / 4);
        int loudest = 0, lastLoudest = 0;
        for (std::size_t i = 0; i < cue->samples.size(); ++i) {
            loudest = std::max(loudest, std::abs(int(cue->samples[i])));
            if (i + 2 * 48 * 2 >= cue->samples.size()) // the last 2 ms
                lastLoudest = std::max(lastLoudest, std::abs(int(cue->samples[i])));
        }
        QVERIFY(loudest > 8000);
        QVERIFY2(lastLoudest < 100, qPrintable(QString::number(lastLoudest)));
    }

    // The stream read as the player reads it, a few milliseconds at a time:
    // what is asked for is heard within one fade, whatever was read before,
    // and a cue written ahead to the server can still be cut from where the
    // server reads.
    void streamAnswersAtOnce_data()
    {
        QTest::addColumn<qsizetype>("readBefore"); // frames read of a 1 s cue, silence after it included
        QTest::addColumn<qsizetype>("earlier");    // frames already read to go back over
        QTest::addColumn<bool>("cutByAnother");
        QTest::addColumn<bool>("fades"); // false: the first cue was over where the stream went back to
        const qsizetype piece = 48 * 4, second = 48000, pastTheEnd = second + 480;
        QTest::newRow("Stop fades the cue out") << piece << qsizetype(0) << false << true;
        QTest::newRow("a second cue replaces the first") << piece << qsizetype(0) << true << true;
        QTest::newRow("a fade from what was read, as the server's queue is written over")
            << piece << qsizetype(48 * 2) << false << true;
        QTest::newRow("a cue written whole fades from where the server reads")
            << pastTheEnd << qsizetype(480 + 48 * 20) << false << true;
        QTest::newRow("the next cue follows that fade") << pastTheEnd << qsizetype(480 + 48 * 20) << true << true;
        QTest::newRow("a cue heard out needs no fade before the next")
            << pastTheEnd << qsizetype(240) << true << false;
    }
    void streamAnswersAtOnce()
    {
        QFETCH(qsizetype, readBefore);
        QFETCH(qsizetype, earlier);
        QFETCH(bool, cutByAnother);
        QFETCH(bool, fades);
        const CueFormat format{48000, 1};
        const qsizetype fade = 48 * 8, piece = 48 * 4;
        const auto constant = [&](qint16 level) {
            auto cue = std::make_shared<Cue>();
            cue->rate = format.rate;
            cue->channels = format.channels;
            cue->samples.assign(std::size_t(format.rate), level);
            return std::shared_ptr<const Cue>(std::move(cue));
        };
        CueStream stream(format, fade);
        std::vector<qint16> heard(static_cast<std::size_t>(readBefore));
        stream.start(constant(1000));
        for (qsizetype at = 0; at < readBefore; at += piece)
            QCOMPARE(stream.read(reinterpret_cast<char *>(heard.data() + at), std::min(piece, readBefore - at) * 2),
                     std::min(piece, readBefore - at) * 2);
        QCOMPARE(heard.front(), qint16(1000));
        QCOMPARE(stream.silentFrames(), std::max<qint64>(0, readBefore - format.rate));
        if (earlier > 0) {
            QVERIFY(!stream.stopEarlier(readBefore + 1)); // more than was read
            QVERIFY(stream.stopEarlier(earlier));
            if (fades)
                QVERIFY(!stream.stopEarlier(earlier)); // already fading
        }
        if (cutByAnother)
            stream.start(constant(-2000));
        else if (earlier == 0)
            stream.stop();
        QCOMPARE(stream.framesToPlay(), (fades ? fade : 0) + (cutByAnother ? format.rate : 0));
        const qint16 expected = cutByAnother ? -2000 : 0;
        heard.assign(std::size_t(fade + piece), 1);
        for (qsizetype at = 0; at < qsizetype(heard.size()); at += piece)
            stream.read(reinterpret_cast<char *>(heard.data() + at), piece * 2);
        if (!fades) {
            QCOMPARE(heard.front(), expected);
            return;
        }
        QCOMPARE(heard[std::size_t(fade)], expected);
        QVERIFY2(heard[std::size_t(fade / 2)] > 0 && heard[std::size_t(fade / 2)] < 1000,
                 "the first cue fades rather than stopping dead");
    }

    // Whatever stands in the working folder under a cue's name, the real
    // player never stalls the GUI thread, keeps its memory bounded, and plays
    // the built-in cue unless the file is a good sound file.
    void filesInTheWorkingFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("playsTheFile");
        QTest::newRow("a good WAV wins") << "good" << true;
        QTest::newRow("0 bytes") << "empty" << false;
        QTest::newRow("the first 20 bytes of a WAV") << "cut header" << false;
        QTest::newRow("a header claiming 2 GB over 1 s") << "lying header" << false;
        QTest::newRow("64 KiB of random bytes") << "random" << false;
        QTest::newRow("a FIFO") << "fifo" << false;
        QTest::newRow("a symbolic link to /dev/zero") << "device link" << false;
        QTest::newRow("a directory") << "directory" << false;
        QTest::newRow("an unreadable file") << "unreadable" << false;
        QTest::newRow("a 200 MB WAV") << "huge" << false;
        QTest::newRow("an encoding the decoder rejects") << "unsupported encoding" << false;
        QTest::newRow("a 10 s, 384 kHz, 8-channel FLAC") << "multichannel flac" << true;
        // Each Open looks at the folder again.
        QTest::newRow("a good WAV put there once the program runs") << "good, later" << true;
        // Every cue plays the program's own at once, and the player goes
        // without waiting for the folder.
        QTest::newRow("a folder that never answers") << "stalled" << false;
    }
    void filesInTheWorkingFolder()
    {
        QFETCH(QString, kind);
        QFETCH(bool, playsTheFile);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const bool later = kind.endsWith(u", later");
        for (const QString &name : CueNames)
            if (!later && !plant(kind == u"stalled" ? QStringLiteral("good") : kind, dir, name))
                QSKIP("cannot make this file here (an unreadable file needs a user other than root)");
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const qint64 residentBefore = residentKiB();
        // From here, the highest the process's memory goes (Linux resets it on "5").
        const bool peakReset = bool(std::ofstream("/proc/self/clear_refs") << "5");

        // The longest the GUI thread went without running its event loop.
        QElapsedTimer sinceLastTick;
        qint64 longestStall = 0;
        QTimer watchdog;
        watchdog.setInterval(5);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, sinceLastTick.restart());
        });
        sinceLastTick.start();
        watchdog.start();

        // Let go only once the player has gone: were it to wait for the
        // folder as it goes, the test would never end.
        const auto stalling = kind == u"stalled" ? std::make_shared<StallingFiles>() : nullptr;
        const auto letGo = qScopeGuard([stalling] {
            if (stalling)
                stalling->release();
        });
        CuePlayer player(stalling);
        MciControl control(nullptr, player);
        // A lesson's first cue comes seconds after the start: the folder has
        // been looked at by then, unless it never answers.
        if (stalling)
            QTRY_VERIFY(stalling->waiting() > 0);
        else
            QTRY_VERIFY_WITH_TIMEOUT(!player.isLookingUp(), 20'000);
        for (const QString &name : CueNames) {
            if (later) {
                // Played as the folder was, and again once the file is there.
                for (const bool planted : {false, true}) {
                    if (planted)
                        QVERIFY(plant(kind.chopped(7), dir, name));
                    PlayCue(control, name, CueKind::Full);
                    QTRY_VERIFY_WITH_TIMEOUT(!player.isLookingUp(), 20'000);
                }
            }
            QElapsedTimer call;
            call.start();
            PlayCue(control, name, CueKind::Full);
            longestStall = std::max(longestStall, call.elapsed());
            const QString expected = playsTheFile ? dir.filePath(name) : QStringLiteral(":/cues/") + name;
            QTRY_COMPARE_WITH_TIMEOUT(player.lastStarted(), expected, 10'000);
        }
        QDir::setCurrent(before);
        // A window's thread that waited for the folder would wait until the
        // folder is let go, at the end: far longer than any scheduling delay
        // a loaded machine gives a thread that never waits.
        QVERIFY2(longestStall < 500, qPrintable(QStringLiteral("the GUI thread stalled %1 ms").arg(longestStall)));
#if !defined(__SANITIZE_ADDRESS__) // AddressSanitizer keeps freed memory on purpose
        const qint64 growth = residentKiB() - residentBefore;
        QVERIFY2(growth < 32 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
        // Decoding stays within the file's own size and a few megabytes more.
        const qint64 peakGrowth = peakResidentKiB() - residentBefore;
        if (peakReset)
            QVERIFY2(peakGrowth < MaxCueFileBytes / 1024 + 8 * 1024,
                     qPrintable(QStringLiteral("rose by %1 KiB while decoding").arg(peakGrowth)));
#else
        Q_UNUSED(residentBefore);
        Q_UNUSED(peakReset);
#endif
    }
};

QTEST_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
