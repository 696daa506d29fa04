#include "fakes.h"

#include "platform/mcicontrol.h"
#include "platform/playcue.h"

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
    void playCueSendsTheCommandSequence_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("full cue stops and closes first")
            << "pinpon.wav" << int(CueKind::Full)
            << QStringList{"command Stop", "command Close", "file pinpon.wav", "command Open",
                           "command Sound"};
        QTest::newRow("short cue only closes, in lower case")
            << "Chimes.wav" << int(CueKind::Short)
            << QStringList{"command close", "file Chimes.wav", "command Open", "command Sound"};
    }
    void playCueSendsTheCommandSequence()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QStringList, expected);
        RecordingMultimedia control;
        PlayCue(control, file, CueKind(kind));
        QCOMPARE(control.log, expected);
    }

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

    void commandWordsIgnoreCase()
    {
        RecordingSound sound;
        MciControl control(nullptr, sound);
        control.setFileName(QStringLiteral("pinpon.wav"));
        control.setCommand(QStringLiteral("OPEN"));
        control.setCommand(QStringLiteral("sOuNd"));
        control.setCommand(QStringLiteral("STOP"));
        QCOMPARE(sound.plays, 1);
        QCOMPARE(sound.stops, 1);
    }

    void missingFilesAndStrayCommandsAreSilent()
    {
        RecordingSound sound;
        MciControl control(nullptr, sound);
        control.setCommand(QStringLiteral("Sound")); // nothing open yet
        control.setFileName(QStringLiteral("no-such-cue.wav"));
        control.setCommand(QStringLiteral("Open"));
        control.setCommand(QStringLiteral("Sound"));
        control.setCommand(QStringLiteral("Rewind")); // not a command it knows
        QVERIFY(sound.plays == 0);
    }

    void closeForgetsTheOpenedCue()
    {
        RecordingSound sound;
        MciControl control(nullptr, sound);
        control.setFileName(QStringLiteral("pinpon.wav"));
        control.setCommand(QStringLiteral("Open"));
        control.setCommand(QStringLiteral("close"));
        control.setCommand(QStringLiteral("Sound"));
        QVERIFY(sound.plays == 0);
    }
};

QTEST_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
