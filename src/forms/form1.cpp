#include "forms/form1.h"

#include "experiment/messages.h"
#include "forms/form1design.h"
#include "formkit/formlabel.h"
#include "formkit/formruntime.h"
#include "formkit/mcicontrol.h"
#include "formkit/picturebox.h"
#include "runtime/playcue.h"
#include "results/resultswindow.h"
#include "results/windowarrangement.h"
#include "formkit/formwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

Form1::Form1(FormRuntime &runtime, const MainWindowServices &services, Form &help,
             const FormDesign &design)
    : DesignedForm(runtime, design, &services.sound), services_(services), helpForm_(help)
{
}

Form1::Form1(FormRuntime &runtime, const MainWindowServices &services, Form &help)
    : Form1(runtime, services, help, form1Design())
{
}

Form1::~Form1() = default;

ExperimentOperations Form1::operations()
{
    return ExperimentOperations(state_, controls().experiment(),
                                {services_.random, services_.clock, services_.dialogs, runtime(), &results_});
}

void Form1::connectEvents()
{
    Form1Controls &c = controls();
    onClick(c.Command1, [this] { Command1_Click(); });
    onClick(c.Command2, [this] { Command2_Click(); });
    onClick(c.Command3, [this] { Command3_Click(); });
    onClick(c.Command4, [this] { Command4_Click(); });
    onClick(c.Command5, [this] { Command5_Click(); });
    onClick(c.Command6, [this] { Command6_Click(); });
    onTimer(c.Timer1, [this] { Timer1_Timer(); });

    // Beyond the design: the Results window, from F2 or the context menu.
    auto *results = new QAction(QCoreApplication::translate("ResultsWindow", "Results"), window());
    results->setObjectName(QStringLiteral("showResults"));
    results->setShortcut(QKeySequence(Qt::Key_F2));
    window()->addCommand(results);
    onTriggered(*results, [this] { showResults(); });
    auto *sideBySide = new QAction(QCoreApplication::translate("ResultsWindow", "Side by side"), window());
    sideBySide->setObjectName(QStringLiteral("sideBySide"));
    window()->addCommand(sideBySide);
    onTriggered(*sideBySide, [this] { arrangeSideBySide(); });
}

void Form1::windowUnloading()
{
    // A run still playing ends with its window.
    if (watched_)
        watched_->stop();
    watching_.reset();
    watched_.reset();
    // The Results window goes with the main window, and comes back with F2
    // where it stood.
    if (resultsWindow_ && resultsWindow_->isVisible())
        resultsFrame_ = resultsWindow_->frameGeometry();
    resultsWindow_.reset();
}

QSize Form1::frameMargins() const
{
    return runtime().frameMemory().margins;
}

QRect Form1::mainFrame()
{
    FormWindow &main = *window();
    if (main.isVisible() && main.frameGeometry().size() != main.size())
        return main.frameGeometry();
    return {main.pos(), main.size() + frameMargins()};
}

void Form1::placeResults(const QRect &frame)
{
    resultsWindow_->resize((frame.size() - frameMargins()).expandedTo(resultsWindow_->leastSize()));
    resultsWindow_->move(frame.topLeft());
}

void Form1::placeMain(const QRect &frame)
{
    FormWindow &main = *window();
    if (frame.topLeft() != mainFrame().topLeft())
        main.move(frame.topLeft());
    runtime().frameMemory().topLeft = frame.topLeft();
}

void Form1::openBeside()
{
    const QScreen *screen = window()->screen();
    if (!screen)
        return;
    if (resultsFrame_) {
        placeResults(*resultsFrame_);
        return;
    }
    // Beside the experiment it explains, where the screen has room: the
    // plot and the counts stay in view. Measured as it will be shown.
    const QSize margins = frameMargins();
    if (const auto frames = arrangement::beside(mainFrame(), ResultsWindow::openingSize() + margins,
                                                resultsWindow_->leastSize() + margins,
                                                screen->availableGeometry())) {
        placeMain(frames->main);
        placeResults(frames->results);
    }
}

void Form1::arrangeSideBySide()
{
    if (!isLoaded())
        return;
    showResults();
    FormWindow &main = *window();
    const QScreen *screen = main.screen();
    if (!screen)
        return;
    if (main.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        main.showNormal();
    const QSize margins = frameMargins();
    // The zoom the run uses, then the zoom keys' steps down.
    QList<double> zooms{main.zoom()};
    while (zooms.back() > DesignLayout::MinimumZoom + 0.001)
        zooms << FormWindow::nextZoomDown(zooms.back());
    const auto arranged = arrangement::sideBySide(
        [&main, margins](double zoom) { return main.clientSize(zoom) + margins; }, zooms,
        resultsWindow_->leastSize() + margins, screen->availableGeometry());
    main.resizeToZoom(arranged.zoom);
    placeMain(arranged.frames.main);
    placeResults(arranged.frames.results);
    resultsFrame_ = arranged.frames.results;
}

void Form1::resetCounters()
{
    ResetCounters(state_);
    results_.startSeries();
}

void Form1::showResults()
{
    if (!resultsWindow_) {
        ResultsDialogs &dialogs = services_.resultsDialogs ? *services_.resultsDialogs : desktopDialogs_;
        resultsWindow_ = std::make_unique<ResultsWindow>(results_, dialogs);
        connect(resultsWindow_.get(), &ResultsWindow::fastRunRequested, this,
                [this](qint64 experiments, RunPace pace) {
                    if (!acceptsEvents())
                        return;
                    if (pace == RunPace::AtOnce)
                        runFast(experiments);
                    else
                        watchRun(experiments, pace);
                });
        connect(resultsWindow_.get(), &ResultsWindow::stopRequested, this, [this] {
            if (watched_)
                watched_->stop();
        });
        connect(resultsWindow_.get(), &ResultsWindow::sideBySideRequested, this, &Form1::arrangeSideBySide);
        openBeside();
    }
    offerFastRuns();
    resultsWindow_->show();
    resultsWindow_->raise();
    resultsWindow_->activateWindow();
}

void Form1::offerFastRuns()
{
    if (resultsWindow_)
        resultsWindow_->setFastRunsEnabled(!controls().Timer1.isActive());
}

void Form1::runFast(qint64 experiments)
{
    Form1Controls &c = controls();
    // Only when the learner fires by hand or is about to: never while the
    // timer fires, never before N is known.
    if (c.Timer1.isActive() || state_.ShotsPerExperiment <= 0)
        return;
    c.Command5.setEnabled(true);
    operations().RunExperiments(experiments, messages::automaticSuccess(), messages::automaticFailure());
    describePlot();
    if (resultsWindow_)
        resultsWindow_->announceSummary();
}

void Form1::watchRun(qint64 experiments, RunPace pace)
{
    Form1Controls &c = controls();
    if (c.Timer1.isActive() || state_.ShotsPerExperiment <= 0 || (watched_ && watched_->isRunning()))
        return;
    c.Command5.setEnabled(true);
    watched_ = std::make_unique<WatchedRun>([this] { return operations(); }, messages::automaticSuccess(),
                                            messages::automaticFailure());
    connect(watched_.get(), &WatchedRun::finished, this, [this] {
        // Queued: the run is let go of once its own signal has returned.
        QMetaObject::invokeMethod(this, [this] { runWatched(); }, Qt::QueuedConnection);
    });
    // Like a dialog: while the run plays the main window takes no command,
    // so that nothing fires between its frames.
    watching_.emplace(runtime());
    if (resultsWindow_)
        resultsWindow_->setRunPlaying(experiments);
    watched_->start(experiments, pace);
}

void Form1::runWatched()
{
    watching_.reset();
    watched_.reset();
    describePlot();
    if (resultsWindow_) {
        resultsWindow_->setRunPlaying(0);
        resultsWindow_->announceSummary();
    }
}

void Form1::Load()
{
    resetCounters();
}

void Form1::Activate()
{
    prepareExperiment();
}

EntryOutcome Form1::prepareExperiment()
{
    Form1Controls &c = controls();
    c.Command3.setEnabled(false);
    c.Command5.setEnabled(false);
    ExperimentOperations experiment = operations();
    experiment.DrawTarget();
    if (experiment.AskShotsPerExperiment() == EntryOutcome::ProgramEnded)
        return EntryOutcome::ProgramEnded; // nothing more may run
    experiment.ShowTheory();
    results_.setShotsPerExperiment(state_.ShotsPerExperiment);
    window()->announce(messages::readyHeard(state_.ShotsPerExperiment));
    return EntryOutcome::Accepted;
}

void Form1::describePlot()
{
    controls().Picture1.setAccessibleDescription(
        messages::plotHeard(state_.ShotIndex, state_.ShotsPerExperiment, state_.Hits));
}

void Form1::describeShot(bool announceShot)
{
    Form1Controls &c = controls();
    describePlot();
    QString said = announceShot ? messages::shotHeard(state_.ShotIndex, IsHit(state_.Distance)) : QString();
    if (state_.ShotIndex == state_.ShotsPerExperiment)
        said += (said.isEmpty() ? QString() : QStringLiteral(" "))
              + messages::verdictHeard(c.Label9.caption(), c.Label5.caption());
    if (!said.isEmpty())
        window()->announce(said);
}

// Firing: one shot by hand.
void Form1::Command1_Click()
{
    controls().Command5.setEnabled(true);
    operations().FireShot(messages::manualSuccess(), messages::manualFailure());
    describeShot(true);
}

// AutoStart: only AutoStop stays usable while the timer fires.
void Form1::Command2_Click()
{
    Form1Controls &c = controls();
    c.Command1.setEnabled(false);
    c.Command2.setEnabled(false);
    c.Command3.setEnabled(true);
    c.Command4.setEnabled(false);
    c.Command5.setEnabled(false);
    c.Command6.setEnabled(false);
    c.Timer1.start();
    offerFastRuns();
    window()->announce(messages::automaticHeard());
}

// AutoStop
void Form1::Command3_Click()
{
    Form1Controls &c = controls();
    c.Command1.setEnabled(true);
    c.Command2.setEnabled(true);
    c.Command3.setEnabled(false);
    c.Command4.setEnabled(true);
    c.Command5.setEnabled(true);
    c.Command6.setEnabled(true);
    c.Timer1.stop();
    offerFastRuns();
    window()->announce(messages::stoppedHeard());
}

// Exit: there is no way to decline.
void Form1::Command4_Click()
{
    PlayCue(controls().MMControl1, QStringLiteral("endpinpon.wav"), CueKind::Full);
    state_.Answer = ShowExitMessage(services_.dialogs);
    runtime().End();
}

// Init: a fresh experiment, and N asked again.
void Form1::Command5_Click()
{
    Form1Controls &c = controls();
    setMousePointer(MousePointer::Hourglass);
    PlayCue(c.MMControl1, QStringLiteral("pinpon.wav"), CueKind::Full);
    c.Picture1.Cls();
    for (FormLabel *label : {&c.Label2, &c.Label4, &c.Label5, &c.Label9, &c.Label11, &c.Label13,
                             &c.Label15})
        label->setCaption(QString());
    // What the plot tells a screen reader starts afresh with it.
    if (const ControlDesign *plot = designOf(c.Picture1.objectName()))
        c.Picture1.setAccessibleDescription(plot->role);
    resetCounters();
    if (prepareExperiment() == EntryOutcome::ProgramEnded)
        return; // the hourglass stays: the program is over
    setMousePointer(MousePointer::Arrow);
}

// Help: the main window goes away while the help window is open.
void Form1::Command6_Click()
{
    PlayCue(controls().MMControl1, QStringLiteral("pinpon.wav"), CueKind::Full);
    Unload();
    helpForm_.Show();
}

void Form1::Timer1_Timer()
{
    operations().FireShot(messages::automaticSuccess(), messages::automaticFailure());
    describeShot(false);
}
