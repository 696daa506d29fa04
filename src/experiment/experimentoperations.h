#pragma once

#include <QString>

struct ExperimentState;
class Clock;
class Dialogs;
class ExperimentRecorder;
class LabelControl;
class MultimediaControl;
class PlotSurface;
class ProgramEnd;
class RandomSource;

// The main window's controls that the experiment writes to.
struct ExperimentControls
{
    LabelControl &Label2;  // hits in the current experiment
    LabelControl &Label4;  // shot number
    LabelControl &Label5;  // experimental success rate
    LabelControl &Label9;  // verdict
    LabelControl &Label11; // experiments judged
    LabelControl &Label13; // successes
    LabelControl &Label15; // theoretical probability
    PlotSurface &Picture1;
    MultimediaControl &MMControl1;
};

// Randomness, time, dialogs and the end of the program, as the experiment
// reaches them.
struct ExperimentServices
{
    RandomSource &random;
    Clock &clock;
    Dialogs &dialogs;
    ProgramEnd &programEnd;
    // Told of every judged experiment, when anything keeps them.
    ExperimentRecorder *recorder = nullptr;
};

enum class EntryOutcome {
    Accepted,    // ShotsPerExperiment holds the new N
    ProgramEnded // the user gave up; the caller must stop at once
};

// The main window's operations on the experiment state and its controls.
// Cheap to make: it only binds references, so the window makes one for each
// handler run.
class ExperimentOperations
{
public:
    ExperimentOperations(ExperimentState &state, const ExperimentControls &controls,
                         const ExperimentServices &services);

    // One shot of the running experiment, judged with the caller's captions.
    void FireShot(const QString &successCaption, const QString &failureCaption);
    // Fires as FireShot does until `experiments` more experiments have been
    // judged (finishing the one under way first). All but the last are
    // fired without a control or a cue; the last one shot by shot through
    // FireShot, so that the window ends showing it, and its verdict's cue
    // is the one cue of the run.
    void RunExperiments(qint64 experiments, const QString &successCaption, const QString &failureCaption);
    // The same run in steps, for a run that is watched: JudgeQuietly judges
    // `experiments` more without a control or a cue (finishing the one under
    // way first) and shows the counts; FinishRun fires the last one shot by
    // shot, as RunExperiments ends. Each step is told to the recorder as
    // one change.
    void JudgeQuietly(qint64 experiments);
    void FinishRun(const QString &successCaption, const QString &failureCaption);
    // The target ring, drawn over whatever the plot shows.
    void DrawTarget();
    // Asks for N until a whole number from 5 to 50 is given.
    EntryOutcome AskShotsPerExperiment();
    // Multiplies 0.9 into MissProbability N times and shows 1 - 0.9^N.
    void ShowTheory();

private:
    // The steps of a shot that only the state sees, in the order FireShot
    // takes them. True when the shot starts a new experiment.
    bool advanceShot();
    void drawDistance();
    bool isLastShot() const;
    // Counts the verdict; true for a success.
    bool countVerdict();
    // Tells the recorder of the experiment just judged.
    void recordVerdict();
    void drawDirection();
    // One shot with no control touched; true when it ended an experiment.
    bool quietShot();
    void judgeExperiment(const QString &successCaption, const QString &failureCaption);
    void showTally();

    ExperimentState &state_;
    ExperimentControls controls_;
    ExperimentServices services_;
};

// "This software will exit." with a single OK button; returns its result.
int ShowExitMessage(Dialogs &dialogs);
