#include "processmemory.h"
#include "programfixture.h"

#include "formkit/formlabel.h"
#include "formkit/picturebox.h"

#include "formkit/qtdialogs.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

namespace {

// Command1..Command6 enabled, then Timer1 running.
const QString Ready = QStringLiteral("1101010");
const QString Manual = QStringLiteral("1101110");
const QString Automatic = QStringLiteral("0010001");

bool isRunState(const QString &s)
{
    return s == Ready || s == Manual || s == Automatic;
}

void reach(ProgramFixture &program, const QString &state)
{
    program.start();
    if (state == Manual)
        program.click(program.ui().Command1);
    else if (state == Automatic)
        program.click(program.ui().Command2);
}

void helpThenClose(ProgramFixture &program, const QString &n)
{
    program.click(program.ui().Command6);
    if (!program.form2().isLoaded())
        return;
    program.dialogs.answer(n);
    program.help().Command1.click();
    ProgramFixture::settle();
}

// The experiment state's invariants between events.
bool invariantsHold(const ExperimentState &s)
{
    return s.ShotsPerExperiment >= 5 && s.ShotsPerExperiment <= 50 && s.ShotIndex >= 0
        && s.ShotIndex <= s.ShotsPerExperiment && s.Hits >= 0 && s.Hits <= s.ShotIndex
        && s.Successes >= 0 && s.Failures >= 0;
}

} // namespace

class TestRunControls : public QObject
{
    Q_OBJECT

private slots:
    void stateMachine_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("focus"); // the control with the focus after it; empty: not checked
        QTest::newRow("ready, Firing") << Ready << "Firing" << Manual << "";
        QTest::newRow("ready, AutoStart") << Ready << "AutoStart" << Automatic << "";
        QTest::newRow("ready, Init is disabled") << Ready << "Init" << Ready << "";
        QTest::newRow("ready, AutoStop is disabled") << Ready << "AutoStop" << Ready << "";
        QTest::newRow("ready, Help then Close") << Ready << "Help" << Ready << "";
        QTest::newRow("manual, Firing") << Manual << "Firing" << Manual << "";
        QTest::newRow("manual, AutoStart") << Manual << "AutoStart" << Automatic << "";
        QTest::newRow("manual, Init") << Manual << "Init" << Ready << "";
        QTest::newRow("manual, Help then Close") << Manual << "Help" << Ready << "";
        QTest::newRow("automatic, Timer event") << Automatic << "Timer" << Automatic << "";
        QTest::newRow("automatic, AutoStop") << Automatic << "AutoStop" << Manual << "";
        QTest::newRow("automatic, Firing is disabled") << Automatic << "Firing" << Automatic << "";
        QTest::newRow("automatic, AutoStart is disabled") << Automatic << "AutoStart" << Automatic << "";
        QTest::newRow("automatic, Init is disabled") << Automatic << "Init" << Automatic << "";
        QTest::newRow("automatic, Help is disabled") << Automatic << "Help" << Automatic << "";
        QTest::newRow("automatic, Exit is disabled") << Automatic << "Exit" << Automatic << "";
        QTest::newRow("ready, Return on Firing") << Ready << "Return on Firing" << Manual << "";
        QTest::newRow("automatic, Enter on AutoStop") << Automatic << "Enter on AutoStop" << Manual << "";
        // By keys only, the focus follows the work: a second Space carries
        // the experiment on, and never lands on Help or Exit.
        QTest::newRow("ready, Space on AutoStart: the focus to AutoStop")
            << Ready << "Space on Command2" << Automatic << "Command3";
        QTest::newRow("automatic, Space on AutoStop: the focus to AutoStart")
            << Automatic << "Space on Command3" << Manual << "Command2";
        QTest::newRow("manual, Space on Init, Return in the box: the focus to Firing")
            << Manual << "Space on Command5" << Ready << "Command1";
        QTest::newRow("manual, Space on Firing: the focus stays") << Manual << "Space on Command1" << Manual << "Command1";
    }
    void stateMachine()
    {
        QFETCH(QString, from);
        QFETCH(QString, event);
        QFETCH(QString, to);
        QFETCH(QString, focus);
        const bool byKeys = event.startsWith(u"Space on ");
        ProgramFixture program(ProgramFixture::Randomness::Scripted,
                               byKeys ? ProgramFixture::Boxes::Real : ProgramFixture::Boxes::Scripted);
        reach(program, from);
        QCOMPARE(program.runState(), from);
        program.dialogs.whenExhausted = QStringLiteral("10");
        if (event == u"Firing")
            program.click(program.ui().Command1);
        else if (event == u"AutoStart")
            program.click(program.ui().Command2);
        else if (event == u"AutoStop")
            program.click(program.ui().Command3);
        else if (event == u"Exit")
            program.click(program.ui().Command4);
        else if (event == u"Init")
            program.click(program.ui().Command5);
        else if (event == u"Help")
            helpThenClose(program, QStringLiteral("10"));
        else if (event == u"Timer")
            program.tick();
        else if (event == u"Return on Firing")
            QTest::keyClick(&program.ui().Command1, Qt::Key_Return);
        else if (event == u"Enter on AutoStop")
            QTest::keyClick(&program.ui().Command3, Qt::Key_Enter);
        else if (byKeys) {
            FormWindow &window = *program.form1().window();
            const QString target = event.mid(9);
            // Tab until the button has the focus, as a keyboard user does.
            for (int tabs = 0; tabs < 8 && window.focusWidget()->objectName() != target; ++tabs)
                QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            QCOMPARE(window.focusWidget()->objectName(), target);
            if (target == u"Command5") // Init asks for N
                program.answerNextBoxByKeys(QStringLiteral("5"));
            QTest::keyClick(window.focusWidget(), Qt::Key_Space);
            ProgramFixture::settle();
        }
        QVERIFY(program.form1().isLoaded());
        QCOMPARE(program.runState(), to);
        QCOMPARE(program.programEnd.ends, 0);
        if (!focus.isEmpty())
            QCOMPARE(program.form1().window()->focusWidget()->objectName(), focus);
    }

    void automaticShotsJudgeInEnglish()
    {
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        program.click(program.ui().Command2);
        for (int i = 0; i < 5; ++i) {
            program.scripted.pushShot(100);
            program.tick();
        }
        QCOMPARE(program.ui().Label9.caption(), QStringLiteral("Failure"));
        QCOMPARE(program.runState(), Automatic); // a tick never touches Init
        // The verdict is red; the label's frame stays black.
        const QImage verdict = program.ui().Label9.grab().toImage();
        QCOMPARE(verdict.pixelColor(0, 0), QColor(Qt::black));
        bool red = false;
        for (int y = 0; y < verdict.height() && !red; ++y)
            for (int x = 0; x < verdict.width() && !red; ++x)
                red = verdict.pixelColor(x, y) == QColor(255, 0, 0);
        QVERIFY(red);
        program.click(program.ui().Command3);
        for (int i = 0; i < 5; ++i) {
            program.scripted.pushShot(3);
            program.click(program.ui().Command1);
        }
        QCOMPARE(program.ui().Label9.caption(), QStringLiteral("成功"));
    }

    // Timer1 really fires the shots: none before AutoStart, then about ten
    // a second, and none after AutoStop.
    void theRealTimerFiresShots()
    {
        ProgramFixture program(ProgramFixture::Randomness::Production);
        program.start();
        QTest::qWait(350);
        QCOMPARE(program.state().ShotIndex, 0);
        program.click(program.ui().Command2);
        QTest::qWait(1000);
        program.click(program.ui().Command3);
        const int shots = int(program.scripted.seeds.size()) + program.state().ShotIndex
                        + 20 * int(program.state().experimentsJudged());
        QVERIFY2(shots >= 2 && shots <= 30, qPrintable(QString::number(shots)));
        const int afterStop = program.state().ShotIndex;
        QTest::qWait(300);
        QCOMPARE(program.state().ShotIndex, afterStop);
    }

    void initStartsAfreshMidExperiment()
    {
        ProgramFixture program;
        program.start(QStringLiteral("20"));
        for (int i = 0; i < 27; ++i) { // one experiment judged, seven shots into the next
            program.scripted.pushShot(i % 3 ? 150 : 8);
            program.click(program.ui().Command1);
        }
        QCOMPARE(program.ui().Label11.caption(), QStringLiteral("1"));

        QList<Qt::CursorShape> cursorDuringEntry;
        QList<QString> theoryDuringEntry;
        program.dialogs.duringInput = [&] {
            cursorDuringEntry << program.form1().window()->cursor().shape();
            theoryDuringEntry << program.ui().Label15.caption();
        };
        program.dialogs.answer({QStringLiteral("abc"), QStringLiteral("12")});
        program.click(program.ui().Command5);

        QCOMPARE(cursorDuringEntry, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
        QCOMPARE(theoryDuringEntry, (QList<QString>{QString(), QString()}));
        QCOMPARE(program.form1().window()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(program.sound.lastPlayed, QStringLiteral("pinpon.wav"));
        QCOMPARE(program.runState(), Ready);
        QCOMPARE(program.valueCaptions(), QStringList(6));
        QCOMPARE(program.ui().Label15.caption(), QStringLiteral("0.7175705"));
        QCOMPARE(program.state().ShotsPerExperiment, 12);

        ProgramFixture reference;
        reference.start(QStringLiteral("12"));
        QCOMPARE(program.ui().Picture1.canvas(), reference.ui().Picture1.canvas()); // only the fresh ring

        program.scripted.pushShot(150);
        program.click(program.ui().Command1);
        QCOMPARE(program.ui().Label4.caption(), QStringLiteral("1"));
        reference.scripted.pushShot(150);
        reference.click(reference.ui().Command1);
        QCOMPARE(program.ui().Picture1.canvas(), reference.ui().Picture1.canvas()); // not cleared again
    }

    // What the user meets on the way out, in order: the cue, the entry box
    // where there is one, the message, and only then the end.
    void endingTheProgram_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<QStringList>("effects");
        const QString entry = QStringLiteral("InputBox Setting the number of shots of the gun");
        const QString message = QStringLiteral("MsgBox This software will exit.");
        QTest::newRow("Exit: its cue, after Stop and Close, then the message")
            << true << QStringList{"stop", "stop", "play endpinpon.wav", message, "End"};
        QTest::newRow("Cancel in Init's entry: Init's cue, the box, the message")
            << false << QStringList{"stop", "stop", "play pinpon.wav", entry, message, "End"};
    }
    void endingTheProgram()
    {
        QFETCH(bool, byExit);
        QFETCH(QStringList, effects);
        ProgramFixture program;
        program.start();
        program.click(program.ui().Command1);
        program.keepJournal();
        program.click(byExit ? program.ui().Command4 : program.ui().Command5); // no answer: Cancel
        QCOMPARE(program.journal, effects);
        const auto &message = program.dialogs.messages.back();
        QCOMPARE(message.title, QStringLiteral("Even those who shoots bad guns"));
        QCOMPARE(message.buttons, 0);
        QCOMPARE(program.state().Answer, 1);
        QVERIFY(!program.form1().isLoaded());
    }

    // The freshly drawn ring is on screen while N is asked, at start-up, in
    // Init and on the way back from Help.
    void ringIsOnScreenWhileNIsAsked()
    {
        ProgramFixture program;
        QList<bool> ringShown;
        program.dialogs.duringInput = [&] {
            PictureBox &plot = program.ui().Picture1;
            const QImage onScreen = plot.grab(plot.contentsRect()).toImage();
            ringShown << (onScreen.pixelColor(214, 186) == Qt::black); // (270, 250): on the ring
        };
        program.start();
        program.click(program.ui().Command1);
        program.dialogs.answer(QStringLiteral("20"));
        program.click(program.ui().Command5);
        helpThenClose(program, QStringLiteral("20"));
        QCOMPARE(ringShown, (QList<bool>{true, true, true}));
    }

    // While the real shot-count box is open, nothing reaches the windows
    // behind it: neither an assistive technology's Press action nor a
    // click() from code. (Press on Help used to unload the main window, and
    // free the box, while the box was open.)
    void nothingReachesTheWindowsBehindAModalBox_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("press");
        QTest::newRow("Press on Help") << "Help" << true;
        QTest::newRow("Press on Exit") << "Exit" << true;
        QTest::newRow("Press on Firing") << "Firing" << true;
        QTest::newRow("click() on Help") << "Help" << false;
    }
    void nothingReachesTheWindowsBehindAModalBox()
    {
        QFETCH(QString, button);
        QFETCH(bool, press);
        ScriptedRandom random;
        FixedClock clock;
        RecordingSound sound;
        RecordingEnd end;
        FormRuntime runtime(end);
        QtDialogs dialogs(runtime);
        ShootALot program(runtime, {random, clock, dialogs, sound});
        bool checked = false;
        QTimer poll; // acts once the box is open
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!QApplication::activeModalWidget())
                return;
            poll.stop();
            Form1Controls &c = program.mainWindow().controls();
            QPushButton &target = button == u"Help" ? c.Command6 : button == u"Exit" ? c.Command4 : c.Command1;
            if (press)
                QAccessible::queryAccessibleInterface(&target)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            else
                target.click();
            // A Press clicks after a short animation: give it the time.
            QTimer::singleShot(300, [&] {
                QWidget *box = QApplication::activeModalWidget();
                QVERIFY(box && qobject_cast<QInputDialog *>(box));
                QVERIFY(program.mainWindow().isLoaded() && !program.helpWindow().isLoaded());
                QCOMPARE(program.mainWindow().state().ShotIndex, 0);
                QCOMPARE(sound.plays, 0);
                checked = true;
                static_cast<QInputDialog *>(box)->accept(); // the default, 20
            });
        });
        poll.start();
        program.start();
        ProgramFixture::settle(); // Activate, and the box in it
        QVERIFY(checked);
        QCOMPARE(program.mainWindow().state().ShotsPerExperiment, 20);
        QCOMPARE(end.ends, 0);
    }

    // A million automatic shots at N = 5: 200000 experiments, far past
    // where a 16-bit tally would overflow.
    void soakAMillionAutomaticShots()
    {
        const int soakShots = qEnvironmentVariableIsSet("SHOOTALOT_SOAK_SHOTS")
                                  ? qEnvironmentVariableIntValue("SHOOTALOT_SOAK_SHOTS")
                                  : 1'000'000;
        ProgramFixture program(ProgramFixture::Randomness::Production);
        program.start(QStringLiteral("5"));
        program.click(program.ui().Command2);
        qint64 expectedSuccesses = 0;
        bool hitInExperiment = false;
        qint64 residentAtWarmUp = 0;
        for (int shot = 1; shot <= soakShots; ++shot) {
            program.tick();
            if (shot % 100 == 0)
                ProgramFixture::settle(); // the event loop runs between real ticks
            const ExperimentState &s = program.state();
            hitInExperiment = hitInExperiment || IsHit(s.Distance);
            if (s.ShotIndex == 5) {
                expectedSuccesses += hitInExperiment;
                hitInExperiment = false;
            }
            if (!invariantsHold(s))
                QFAIL(qPrintable(QStringLiteral("invariants broken at shot %1").arg(shot)));
            if (shot == soakShots / 10) {
                ProgramFixture::settle();
                residentAtWarmUp = residentKiB();
            }
        }
        ProgramFixture::settle();
        const ExperimentState &s = program.state();
        QCOMPARE(s.experimentsJudged(), qint64(soakShots / 5));
        QCOMPARE(s.Successes, expectedSuccesses);
        QCOMPARE(program.ui().Label11.caption(), QString::number(soakShots / 5));
        QCOMPARE(program.ui().Label13.caption(), QString::number(expectedSuccesses));
        QCOMPARE(program.runState(), Automatic);
#if defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer holds freed memory back on purpose, so resident
        // memory says nothing here; its leak checker watches this run instead.
        Q_UNUSED(residentAtWarmUp);
#else
        const qint64 growth = residentKiB() - residentAtWarmUp;
        QVERIFY2(growth < 4096, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
#endif
    }

    // A monkey at the controls: random clicks, ticks, entries, Help and
    // Close. After every event the buttons are in one of the three run
    // states and the experiment's invariants hold. Replay a failure with
    // SHOOTALOT_TEST_SEED.
    void monkey()
    {
        const quint32 seed = testSeed();
        QRandomGenerator random(seed);
        ProgramFixture program(ProgramFixture::Randomness::Production);
        program.dialogs.whenExhausted = QStringLiteral("5");
        program.start(QString::number(5 + random.bounded(46)));

        const QStringList junk{"abc", " ", "4.99", "50.5", "-10", "1e999", "12abc", "7.9", "\t",
                               "50.0", "0", "51", "1e-5", "5", "50", "20"};
        for (int event = 0; event < 10'000; ++event) {
            // Whatever box opens next gets a few random texts first.
            for (int k = random.bounded(3); k > 0; --k)
                program.dialogs.answer(junk[random.bounded(int(junk.size()))]);
            const int choice = random.bounded(10);
            if (choice < 4) {
                program.tick();
            } else if (choice == 4) {
                helpThenClose(program, QString::number(5 + random.bounded(46)));
            } else {
                Form1Controls &c = program.ui();
                QPushButton *buttons[] = {&c.Command1, &c.Command2, &c.Command3, &c.Command5,
                                          &c.Command6};
                program.click(*buttons[random.bounded(5)]);
                if (program.form2().isLoaded()) {
                    program.help().Command1.click();
                    ProgramFixture::settle();
                }
            }
            QVERIFY2(program.form1().isLoaded(), qPrintable(QStringLiteral("event %1").arg(event)));
            QVERIFY2(isRunState(program.runState()),
                     qPrintable(QStringLiteral("event %1: %2").arg(event).arg(program.runState())));
            QVERIFY2(invariantsHold(program.state()), qPrintable(QStringLiteral("event %1").arg(event)));
            QCOMPARE(program.programEnd.ends, 0);
        }
    }
};

QTEST_MAIN(TestRunControls)
#include "tst_runcontrols.moc"
