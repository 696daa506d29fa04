#include "experiment/experimentoperations.h"

#include "experiment/experimentrecorder.h"
#include "experiment/experimentstate.h"
#include "experiment/messages.h"
#include "runtime/clock.h"
#include "runtime/controls.h"
#include "runtime/dialogs.h"
#include "runtime/playcue.h"
#include "runtime/programend.h"
#include "runtime/randomsource.h"
#include "runtime/runtimefunctions.h"

#include <QPointF>

#include <cmath>
#include <vector>

namespace {

constexpr double TargetCentre = 250;
constexpr double RingRadius = 20;
constexpr float RingSweepEnd = 6.283184f;
constexpr float RingSweepStep = 0.001f;
constexpr float DistanceScale = 200;
constexpr float DistanceOffset = 1;
constexpr double AngleScale = 6.283184; // not 2 pi to full precision, by design
constexpr float MarkRadius = 2;
constexpr int HitColour = 9;
constexpr int MissColour = 12;
constexpr double MissFactor = 0.9;
constexpr double LowestShotCount = 5;
constexpr double HighestShotCount = 50;

constexpr QStringView RateFormat = u"0.0000000";

// The ring's points never change, and an automatic run redraws the ring
// every few shots, so the sweep is worked out once.
struct TargetRing
{
    std::vector<QPointF> points;
    float finalLoopValue = 0;
};

const TargetRing &targetRing()
{
    static const TargetRing ring = [] {
        // The sweep runs in single precision on purpose: its rounding makes
        // it plot exactly 6284 points.
        TargetRing r;
        float loopValue = 0;
        while (loopValue <= RingSweepEnd) {
            const double c = std::cos(double(loopValue));
            const double s = std::sin(double(loopValue));
            r.points.emplace_back(static_cast<float>(RingRadius * c + TargetCentre),
                                  static_cast<float>(RingRadius * s + TargetCentre));
            loopValue = loopValue + RingSweepStep;
        }
        r.finalLoopValue = loopValue;
        return r;
    }();
    return ring;
}

} // namespace

ExperimentOperations::ExperimentOperations(ExperimentState &state,
                                           const ExperimentControls &controls,
                                           const ExperimentServices &services)
    : state_(state), controls_(controls), services_(services)
{
}

bool ExperimentOperations::advanceShot()
{
    if (state_.ShotIndex < state_.ShotsPerExperiment) {
        ++state_.ShotIndex;
        return false;
    }
    state_.Hits = 0;
    state_.ShotIndex = 1;
    return true;
}

void ExperimentOperations::drawDistance()
{
    // One reseed from the time of day, then the first draw.
    services_.random.Randomize(services_.clock.Timer());
    const float r1 = services_.random.Rnd();
    state_.Distance = runtime::Int(double(r1) * double(DistanceScale) + double(DistanceOffset));
    if (IsHit(state_.Distance))
        ++state_.Hits;
}

bool ExperimentOperations::isLastShot() const
{
    return state_.ShotIndex == state_.ShotsPerExperiment;
}

bool ExperimentOperations::countVerdict()
{
    const bool success = state_.Hits > 0;
    if (success)
        ++state_.Successes;
    else
        ++state_.Failures;
    return success;
}

void ExperimentOperations::recordVerdict()
{
    if (services_.recorder)
        services_.recorder->experimentJudged(state_.ShotsPerExperiment, state_.Hits);
}

void ExperimentOperations::drawDirection()
{
    // The second draw, without reseeding.
    const float r2 = services_.random.Rnd();
    state_.Angle = static_cast<float>(double(r2) * AngleScale);
    state_.ImpactX = static_cast<float>(state_.Distance * std::cos(double(state_.Angle)) + TargetCentre);
    state_.ImpactY = static_cast<float>(state_.Distance * std::sin(double(state_.Angle)) + TargetCentre);
}

void ExperimentOperations::FireShot(const QString &successCaption, const QString &failureCaption)
{
    // Advance, or start the next experiment on a cleared plot.
    if (advanceShot()) {
        controls_.Label9.setCaption(QString());
        controls_.Picture1.Cls();
        DrawTarget();
    }
    controls_.Label4.setCaption(runtime::IntegerToText(state_.ShotIndex));

    drawDistance();
    // The verdict comes after this shot has been counted, so an experiment
    // whose only hit is its last shot is a success.
    if (isLastShot()) {
        judgeExperiment(successCaption, failureCaption);
        recordVerdict();
    }

    showTally();

    drawDirection();
    const QColor markColour = runtime::QBColor(IsHit(state_.Distance) ? HitColour : MissColour);
    controls_.Picture1.Circle(state_.ImpactX, state_.ImpactY, MarkRadius, markColour);
}

bool ExperimentOperations::quietShot()
{
    advanceShot();
    drawDistance();
    const bool judged = isLastShot();
    if (judged) {
        countVerdict();
        recordVerdict();
    }
    drawDirection();
    return judged;
}

void ExperimentOperations::RunExperiments(qint64 experiments, const QString &successCaption,
                                          const QString &failureCaption)
{
    if (experiments <= 0 || state_.ShotsPerExperiment <= 0)
        return;
    if (services_.recorder)
        services_.recorder->runStarted();
    for (qint64 judged = 0; judged < experiments - 1;)
        if (quietShot())
            ++judged;
    do
        FireShot(successCaption, failureCaption);
    while (!isLastShot());
    if (services_.recorder)
        services_.recorder->runFinished();
}

void ExperimentOperations::JudgeQuietly(qint64 experiments)
{
    if (experiments <= 0 || state_.ShotsPerExperiment <= 0)
        return;
    if (services_.recorder)
        services_.recorder->runStarted();
    for (qint64 judged = 0; judged < experiments;)
        if (quietShot())
            ++judged;
    if (services_.recorder)
        services_.recorder->runFinished();
    showTally();
}

void ExperimentOperations::FinishRun(const QString &successCaption, const QString &failureCaption)
{
    if (state_.ShotsPerExperiment <= 0)
        return;
    if (services_.recorder)
        services_.recorder->runStarted();
    do
        FireShot(successCaption, failureCaption);
    while (!isLastShot());
    if (services_.recorder)
        services_.recorder->runFinished();
}

void ExperimentOperations::judgeExperiment(const QString &successCaption,
                                           const QString &failureCaption)
{
    // Counter before colour, colour before caption, caption before cue.
    if (!countVerdict()) {
        controls_.Label9.setForeColor(runtime::QBColor(MissColour));
        controls_.Label9.setCaption(failureCaption);
        PlayCue(controls_.MMControl1, QStringLiteral("Chimes2.wav"), CueKind::Short);
    } else {
        controls_.Label9.setForeColor(runtime::QBColor(HitColour));
        controls_.Label9.setCaption(successCaption);
        PlayCue(controls_.MMControl1, QStringLiteral("Chimes.wav"), CueKind::Short);
    }
}

void ExperimentOperations::showTally()
{
    controls_.Label2.setCaption(runtime::IntegerToText(state_.Hits));
    controls_.Label13.setCaption(runtime::IntegerToText(state_.Successes));
    const qint64 judged = state_.experimentsJudged();
    controls_.Label11.setCaption(runtime::IntegerToText(judged));
    if (judged > 0) {
        const double rate = double(state_.Successes) / double(judged);
        controls_.Label5.setCaption(runtime::Format(rate, RateFormat));
    }
}

void ExperimentOperations::DrawTarget()
{
    const TargetRing &ring = targetRing();
    controls_.Picture1.PSetPoints(ring.points);
    state_.LoopValue = ring.finalLoopValue;
}

EntryOutcome ExperimentOperations::AskShotsPerExperiment()
{
    for (;;) {
        state_.EntryText = services_.dialogs.InputBox(messages::entryPrompt(), messages::entryTitle(),
                                                      messages::entryDefault());
        if (state_.EntryText.isEmpty()) {
            state_.Answer = ShowExitMessage(services_.dialogs);
            // The box has nothing but OK: however it was dismissed, the
            // program ends.
            services_.programEnd.End();
            return EntryOutcome::ProgramEnded;
        }
        const double value = runtime::Val(state_.EntryText);
        // An infinite value (such as "1e999") is simply out of range.
        if (value >= LowestShotCount && value <= HighestShotCount) {
            state_.ShotsPerExperiment = runtime::Int(value);
            return EntryOutcome::Accepted;
        }
    }
}

void ExperimentOperations::ShowTheory()
{
    // Each product is rounded to single precision before the next one, which
    // decides the seventh decimal for some N.
    state_.LoopValue = 1;
    const auto limit = static_cast<float>(state_.ShotsPerExperiment);
    while (state_.LoopValue <= limit) {
        state_.MissProbability = static_cast<float>(double(state_.MissProbability) * MissFactor);
        state_.LoopValue = state_.LoopValue + 1;
    }
    const auto theory = static_cast<float>(1.0 - double(state_.MissProbability));
    controls_.Label15.setCaption(runtime::Format(double(theory), RateFormat));
}

int ShowExitMessage(Dialogs &dialogs)
{
    return dialogs.MsgBox(messages::exitPrompt(), 0, messages::exitTitle());
}
