#pragma once

#include "experiment/experimentoperations.h"
#include "experiment/experimentstate.h"
#include "platform/form.h"

#include <optional>

class Clock;
class Dialogs;
class RandomSource;
class SoundPlayer;

// What the main window needs from outside: randomness, the time of day, the
// dialogs and a sound output.
struct MainWindowServices
{
    RandomSource &random;
    Clock &clock;
    Dialogs &dialogs;
    SoundPlayer &sound;
};

// The main window: the target plot, the counters and the run controls. It
// owns the experiment state for the whole program; the window itself comes
// and goes with Help and Close.
class Form1 final : public Form
{
public:
    Form1(FormRuntime &runtime, const MainWindowServices &services);

    // The window shown by Help.
    void setHelpForm(Form &help) { helpForm_ = &help; }

    ExperimentState &state() { return state_; }
    const ExperimentState &state() const { return state_; }

protected:
    void Load() override;
    void Activate() override;
    void connectEvents() override;

private:
    ExperimentOperations operations();
    // AutoStop and Init off, the target drawn, N asked, the theory shown.
    EntryOutcome prepareExperiment();
    void setEnabled(const char *button, bool enabled);

    void Command1_Click(); // Firing
    void Command2_Click(); // AutoStart
    void Command3_Click(); // AutoStop
    void Command4_Click(); // Exit
    void Command5_Click(); // Init
    void Command6_Click(); // Help
    void Timer1_Timer();

    MainWindowServices services_;
    ExperimentState state_;
    // The controls of the window now loaded, looked up once per load.
    std::optional<ExperimentControls> controls_;
    Form *helpForm_ = nullptr;
};
