#include "forms/form1.h"

#include "forms/form1design.h"
#include "platform/formlabel.h"
#include "platform/formruntime.h"
#include "platform/mcicontrol.h"
#include "platform/picturebox.h"
#include "platform/playcue.h"

#include <QPushButton>
#include <QTimer>

Form1::Form1(FormRuntime &runtime, const MainWindowServices &services)
    : Form(runtime, form1Design(), &services.sound), services_(services)
{
}

ExperimentOperations Form1::operations()
{
    return ExperimentOperations(state_, *controls_,
                                {services_.random, services_.clock, services_.dialogs, runtime()});
}

void Form1::setEnabled(const char *button, bool enabled)
{
    control<QPushButton>(button).setEnabled(enabled);
}

void Form1::connectEvents()
{
    // A fresh window: the handlers of this load work on its controls.
    controls_.emplace(ExperimentControls{
        control<FormLabel>("Label2"),  control<FormLabel>("Label4"),
        control<FormLabel>("Label5"),  control<FormLabel>("Label9"),
        control<FormLabel>("Label11"), control<FormLabel>("Label13"),
        control<FormLabel>("Label15"), control<PictureBox>("Picture1"),
        control<MciControl>("MMControl1"),
    });
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
    onClick("Command3", [this] { Command3_Click(); });
    onClick("Command4", [this] { Command4_Click(); });
    onClick("Command5", [this] { Command5_Click(); });
    onClick("Command6", [this] { Command6_Click(); });
    onTimer("Timer1", [this] { Timer1_Timer(); });
}

void Form1::Load()
{
    ResetCounters(state_);
}

void Form1::Activate()
{
    prepareExperiment();
}

EntryOutcome Form1::prepareExperiment()
{
    setEnabled("Command3", false);
    setEnabled("Command5", false);
    ExperimentOperations experiment = operations();
    experiment.DrawTarget();
    if (experiment.AskShotsPerExperiment() == EntryOutcome::ProgramEnded)
        return EntryOutcome::ProgramEnded; // nothing more may run
    experiment.ShowTheory();
    return EntryOutcome::Accepted;
}

// Firing: one shot by hand.
void Form1::Command1_Click()
{
    setEnabled("Command5", true);
    operations().FireShot(QStringLiteral("成功"), QStringLiteral("失敗"));
}

// AutoStart: only AutoStop stays usable while the timer fires.
void Form1::Command2_Click()
{
    setEnabled("Command1", false);
    setEnabled("Command2", false);
    setEnabled("Command3", true);
    setEnabled("Command4", false);
    setEnabled("Command5", false);
    setEnabled("Command6", false);
    control<QTimer>("Timer1").start();
}

// AutoStop
void Form1::Command3_Click()
{
    setEnabled("Command1", true);
    setEnabled("Command2", true);
    setEnabled("Command3", false);
    setEnabled("Command4", true);
    setEnabled("Command5", true);
    setEnabled("Command6", true);
    control<QTimer>("Timer1").stop();
}

// Exit: there is no way to decline.
void Form1::Command4_Click()
{
    PlayCue(control<MciControl>("MMControl1"), QStringLiteral("endpinpon.wav"), CueKind::Full);
    state_.Answer = ShowExitMessage(services_.dialogs);
    runtime().End();
}

// Init: a fresh experiment, and N asked again.
void Form1::Command5_Click()
{
    setMousePointer(11);
    PlayCue(control<MciControl>("MMControl1"), QStringLiteral("pinpon.wav"), CueKind::Full);
    control<PictureBox>("Picture1").Cls();
    for (const char *label : {"Label2", "Label4", "Label5", "Label9", "Label11", "Label13", "Label15"})
        control<FormLabel>(label).setCaption(QString());
    ResetCounters(state_);
    if (prepareExperiment() == EntryOutcome::ProgramEnded)
        return; // the hourglass stays: the program is over
    setMousePointer(1);
}

// Help: the main window goes away while the help window is open.
void Form1::Command6_Click()
{
    PlayCue(control<MciControl>("MMControl1"), QStringLiteral("pinpon.wav"), CueKind::Full);
    Unload();
    if (helpForm_)
        helpForm_->Show();
}

void Form1::Timer1_Timer()
{
    operations().FireShot(QStringLiteral("Success"), QStringLiteral("Failure"));
}
