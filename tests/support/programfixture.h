#pragma once

#include "fakes.h"

#include "forms/shootalot.h"
#include "platform/formruntime.h"
#include "platform/mixingrandomgenerator.h"

#include <memory>

class PictureBox;
class QPushButton;
class QTimer;

// The whole program with its side effects replaced: dialogs answer from a
// script, sound and the end of the program are recorded. Randomness is
// scripted, or the program's own generator when asked for.
class ProgramFixture
{
public:
    enum class Randomness { Scripted, Production };
    explicit ProgramFixture(Randomness randomness = Randomness::Scripted);
    ~ProgramFixture();

    // Shows the main window and lets its Activate run, answering the entry with n.
    void start(const QString &n = QStringLiteral("20"));
    // Runs what is queued: Activate events and deferred deletes.
    static void settle();

    Form1 &form1() { return program->mainWindow(); }
    Form2 &form2() { return program->helpWindow(); }
    ExperimentState &state() { return form1().state(); }

    QPushButton &button(const char *name);
    QString caption(const char *label);
    PictureBox &plot();
    QTimer &timer();
    // Clicks a button of the main window the way a user would (nothing
    // happens when it is disabled), then settles.
    void click(const char *name);
    // One Timer event, as Timer1 raises it while it runs; nothing when it is off.
    void tick();
    // "1101010": Command1..Command6 enabled, then Timer1 running.
    QString runState();

    ScriptedRandom scripted;
    MixingRandomGenerator production{12345};
    FixedClock clock;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    RecordingEnd programEnd;
    FormRuntime runtime{programEnd};
    std::unique_ptr<ShootALot> program;
};
