#pragma once

// Stand-ins for the program's side effects: scripted randomness, a fixed
// clock, dialogs answered from a script, and recorders for labels, plots,
// sound and the end of the program. The dialogs, the sound and the end write
// to one journal, so that tests can check the order of what the user meets.

#include "runtime/clock.h"
#include "runtime/controls.h"
#include "runtime/dialogs.h"
#include "runtime/programend.h"
#include "runtime/randomsource.h"
#include "runtime/soundplayer.h"

#include <QColor>
#include <QPointF>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// A journal of effects in the order they happened, one line each
// ("InputBox <title>", "MsgBox <prompt>", "play <file name>", "stop", "End"),
// kept where a fake is given one.
inline void note(QStringList *journal, const QString &effect)
{
    if (journal)
        *journal << effect;
}

// A seed for a randomised test: SHOOTALOT_TEST_SEED replays one; printed so
// that a red run can be replayed.
quint32 testSeed();

// Rnd returns the scripted values in turn, then repeats the last one.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<float> values) : values_(values) {}
    void push(float value) { values_.push_back(value); }
    // One shot's two draws: the distance and the direction.
    void pushShot(int distance, float direction = 0.25f);

    void Randomize(float seed) override { seeds.push_back(seed); }
    float Rnd() override;

    std::vector<float> seeds;
    int draws = 0;

private:
    std::deque<float> values_;
    float last_ = 0.5f;
};

class FixedClock final : public Clock
{
public:
    float Timer() override { return seconds; }
    float seconds = 43200.5f;
};

// InputBox answers from the script; an exhausted script answers Cancel.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Prompt
    {
        QString prompt, title, defaultText;
    };
    struct Message
    {
        QString prompt;
        int buttons;
        QString title;
    };

    void answer(const QString &text) { answers_.push_back(text); }
    void answer(std::initializer_list<QString> texts);

    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    int MsgBox(const QString &prompt, int buttons, const QString &title) override;

    std::vector<Prompt> prompts;
    std::vector<Message> messages;
    // Runs while an input box is open, to look at the window behind it.
    std::function<void()> duringInput;
    // The answer once the script is used up; empty is Cancel.
    QString whenExhausted;
    QStringList *journal = nullptr;

private:
    std::deque<QString> answers_;
};

class RecordingEnd final : public ProgramEnd
{
public:
    void End() override
    {
        ++ends;
        note(journal, QStringLiteral("End"));
    }
    int ends = 0;
    QStringList *journal = nullptr;
};

class RecordingSound final : public SoundPlayer
{
public:
    void open(const QString &fileName) override { ++opens; lastOpened = fileName; }
    void play(const QString &fileName) override
    {
        lastPlayed = fileName;
        ++plays;
        note(journal, QStringLiteral("play ") + fileName);
    }
    void stop() override
    {
        ++stops;
        note(journal, QStringLiteral("stop"));
    }
    // Only the latest, so that a long run does not pile up a history; the
    // journal, when given, is for short runs.
    QString lastOpened;
    QString lastPlayed;
    int opens = 0;
    int plays = 0;
    int stops = 0;
    QStringList *journal = nullptr;
};

class FakeLabel final : public LabelControl
{
public:
    void setCaption(const QString &caption) override { text = caption; ++writes; }
    QString caption() const override { return text; }
    void setForeColor(const QColor &colour) override { foreColor = colour; }
    QString text;
    QColor foreColor;
    int writes = 0;
};

class RecordingPlot final : public PlotSurface
{
public:
    struct Mark
    {
        QPointF centre;
        float radius;
        QColor colour;
    };
    void Cls() override { ++clears; points.clear(); marks.clear(); }
    void PSet(float x, float y) override { points.emplace_back(x, y); }
    void Circle(float x, float y, float radius, const QColor &colour) override
    {
        marks.push_back({QPointF(x, y), radius, colour});
    }
    int clears = 0;
    std::vector<QPointF> points;
    std::vector<Mark> marks;
};

// Keeps nothing: for long runs where the drawing does not matter.
class NullPlot final : public PlotSurface
{
public:
    void Cls() override {}
    void PSet(float, float) override {}
    void Circle(float, float, float, const QColor &) override {}
};

class RecordingMultimedia final : public MultimediaControl
{
public:
    void setCommand(const QString &command) override { log << QStringLiteral("command ") + command; }
    void setFileName(const QString &fileName) override { log << QStringLiteral("file ") + fileName; }
    QStringList log;
};
