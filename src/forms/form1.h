#pragma once

#include "experiment/experimentoperations.h"
#include "results/experimentresults.h"
#include "experiment/experimentstate.h"
#include "experiment/watchedrun.h"
#include "formkit/formruntime.h"
#include "results/resultsdialogs.h"
#include "forms/form1controls.h"
#include "formkit/form.h"

#include <QRect>

#include <memory>
#include <optional>

class Clock;
class Dialogs;
struct FormDesign;
class RandomSource;
class ResultsWindow;
class SoundPlayer;

// What the main window needs from outside: randomness, the time of day, the
// dialogs and a sound output.
struct MainWindowServices
{
    RandomSource &random;
    Clock &clock;
    Dialogs &dialogs;
    SoundPlayer &sound;
    // Save's dialogs in the Results window; the desktop's when none is given.
    ResultsDialogs *resultsDialogs = nullptr;
};

// The main window: the target plot, the counters and the run controls. It
// owns the experiment state for the whole program; the window itself comes
// and goes with Help and Close.
class Form1 final : public DesignedForm<Form1Controls>
{
public:
    // help is the window that Help shows. A test may give another design.
    Form1(FormRuntime &runtime, const MainWindowServices &services, Form &help,
          const FormDesign &design);
    Form1(FormRuntime &runtime, const MainWindowServices &services, Form &help);
    ~Form1() override;

    ExperimentState &state() { return state_; }
    const ExperimentState &state() const { return state_; }
    // Every experiment judged, for the Results window.
    const ExperimentResults &results() const { return results_; }
    ExperimentResults &results() { return results_; }

    // Opens the Results window (F2, or the first command of the context
    // menu), or brings it forward.
    void showResults();
    // The Results window while it is open.
    ResultsWindow *resultsWindow() const { return resultsWindow_.get(); }
    // Whether a watched run plays now.
    bool isWatchingRun() const { return watched_ && watched_->isRunning(); }

protected:
    void Load() override;
    void Activate() override;
    void connectEvents() override;
    void windowUnloading() override;

private:
    ExperimentOperations operations();
    // AutoStop and Init off, the target drawn, N asked, the theory shown.
    EntryOutcome prepareExperiment();
    // After a shot: what the plot shows, in words, and what to say of it
    // (the verdict only, when the shot is not announced).
    void describeShot(bool announceShot);
    // What the plot tells a screen reader of the experiment under way.
    void describePlot();
    // A fast run from the Results window: experiments judged at once.
    void runFast(qint64 experiments);
    // A fast run judged in order while the counts and charts grow.
    void watchRun(qint64 experiments, RunPace pace);
    void runWatched();
    // The Results window beside the main window as it opens, or where it
    // stood before; both side by side on the screen, the main window zoomed
    // down as far as it must.
    void openBeside();
    void arrangeSideBySide();
    QSize frameMargins() const;
    QRect mainFrame();
    void placeMain(const QRect &frame);
    void placeResults(const QRect &frame);
    void offerFastRuns();
    // Starts the series the Results window shows anew with the counters.
    void resetCounters();

    void Command1_Click(); // Firing
    void Command2_Click(); // AutoStart
    void Command3_Click(); // AutoStop
    void Command4_Click(); // Exit
    void Command5_Click(); // Init
    void Command6_Click(); // Help
    void Timer1_Timer();

    MainWindowServices services_;
    ExperimentState state_;
    ExperimentResults results_;
    QtResultsDialogs desktopDialogs_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
    std::unique_ptr<WatchedRun> watched_;
    std::optional<FormRuntime::ModalScope> watching_; // while a watched run plays
    std::optional<QRect> resultsFrame_; // where it stood, for the rest of the run
    Form &helpForm_;
};
