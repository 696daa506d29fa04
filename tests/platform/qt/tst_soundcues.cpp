#include "fakes.h"

#include "platform/qt/mcicontrol.h"
#include "platform/runtime/playcue.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Plays a cue through a real control with dir as the working directory.
RecordingSound playIn(const QString &dir, const QString &file, CueKind kind)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir);
    RecordingSound sound;
    MciControl control(nullptr, sound);
    PlayCue(control, file, kind);
    QDir::setCurrent(before);
    return sound;
}

} // namespace

class TestSoundCues : public QObject
{
    Q_OBJECT

private slots:
    void builtInCuesPlayWhenTheWorkingDirectoryHasNone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("pinpon") << "pinpon.wav";
        QTest::newRow("endpinpon") << "endpinpon.wav";
        QTest::newRow("success chime") << "Chimes.wav";
        QTest::newRow("failure chime") << "Chimes2.wav";
    }
    void builtInCuesPlayWhenTheWorkingDirectoryHasNone()
    {
        QFETCH(QString, file);
        QTemporaryDir empty;
        const RecordingSound sound = playIn(empty.path(), file, CueKind::Full);
        QCOMPARE(sound.plays, 1);
        QCOMPARE(sound.lastPlayed, QUrl(QStringLiteral("qrc:/cues/") + file));
        QVERIFY(QFile::exists(QStringLiteral(":/cues/") + file));
    }

    // The program's own cues are WAV files that Qt Multimedia can decode
    // (with or without an audio device).
    void builtInCuesDecode_data() { builtInCuesPlayWhenTheWorkingDirectoryHasNone_data(); }
    void builtInCuesDecode()
    {
        QFETCH(QString, file);
        QSoundEffect effect;
        effect.setSource(QUrl(QStringLiteral("qrc:/cues/") + file));
        QTRY_VERIFY_WITH_TIMEOUT(effect.status() != QSoundEffect::Loading
                                     && effect.status() != QSoundEffect::Null,
                                 10'000);
        QCOMPARE(effect.status(), QSoundEffect::Ready);
    }

    void aWavInTheWorkingDirectoryTakesPrecedence()
    {
        QTemporaryDir dir;
        QFile own(dir.filePath(QStringLiteral("Chimes.wav")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("RIFF");
        own.close();
        const RecordingSound sound = playIn(dir.path(), QStringLiteral("Chimes.wav"), CueKind::Short);
        QCOMPARE(sound.plays, 1);
        QCOMPARE(sound.lastPlayed, QUrl::fromLocalFile(own.fileName()));
    }

    // Commands sent one after another ("file X" names a file), and what the
    // player is asked to do.
    void commands_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("plays");
        QTest::addColumn<int>("stops");
        QTest::newRow("command words ignore case")
            << QStringList{"file pinpon.wav", "OPEN", "sOuNd", "STOP"} << 1 << 1;
        QTest::newRow("Sound with nothing open, a missing file, an unknown word")
            << QStringList{"Sound", "file no-such-cue.wav", "Open", "Sound", "Rewind"} << 0 << 0;
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
};

QTEST_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
