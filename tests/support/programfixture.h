#pragma once

#include "fakes.h"

#include "forms/shootalot.h"
#include "formkit/formruntime.h"
#include "runtime/mixingrandomgenerator.h"
#include "results/resultsdialogs.h"

#include <QPageLayout>

#include <memory>

class QPushButton;
class QtDialogs;

// Save's dialogs answered from a script: the file name to give, and the
// messages that would have been shown.
class ScriptedResultsDialogs final : public ResultsDialogs
{
public:
    QString saveFileName(QWidget *, const QString &suggestedName) override
    {
        suggested = suggestedName;
        return path;
    }
    PictureTarget pictureTarget(QWidget *, const QString &title, const QString &suggestedStem) override
    {
        suggested = suggestedStem;
        pictureTitle = title;
        return PictureTarget::from(picturePath, pictureFormat);
    }
    bool confirmReplace(QWidget *, const QStringList &paths) override
    {
        replaceAsked << paths;
        return replaceAnswer;
    }
    QString saveHandoutName(QWidget *, const QString &suggestedName) override
    {
        suggested = suggestedName;
        return handoutPath;
    }
    // Prints to a PDF file, as a printer would be given the page.
    void printPreview(QWidget *, const std::function<void(QPrinter &)> &paint) override;
    void tellFailure(QWidget *, const QString &message) override { failures << message; }
    std::optional<QString> askLearner(QWidget *, const QString &current) override
    {
        offeredLearner = current;
        return learner;
    }
    QStringList openResultsFiles(QWidget *) override { return filesToAdd; }
    std::optional<LearnerRun> askTally(QWidget *, int) override { return tally; }
    QString saveClassName(QWidget *, const QString &suggestedName) override
    {
        suggested = suggestedName;
        return classPath;
    }

    QString path; // empty: the user cancels
    QString picturePath;
    std::optional<QString> learner = QString(); // the name Save is given; nothing: cancelled
    QString offeredLearner;
    QStringList filesToAdd;
    std::optional<LearnerRun> tally;
    QString classPath;
    PictureFormat pictureFormat = PictureFormat::PngForSlide; // the kind chosen in the dialog
    QString pictureTitle;
    QStringList replaceAsked;
    bool replaceAnswer = true;
    QString handoutPath;
    QString printedTo; // where printPreview prints; empty: nowhere
    int previews = 0;
    QPageLayout printedLayout;
    QString suggested;
    QStringList failures;
};

// The whole program with its side effects replaced: dialogs answer from a
// script, sound and the end of the program are recorded (in one journal,
// once asked for). Randomness is scripted, or the program's own generator when asked for.
class ProgramFixture
{
public:
    enum class Randomness { Scripted, Production };
    // Real: the program's own dialogs, answered by keys as a user would.
    enum class Boxes { Scripted, Real };
    explicit ProgramFixture(Randomness randomness = Randomness::Scripted, Boxes boxes = Boxes::Scripted);
    ~ProgramFixture();

    // Shows the main window and lets its Activate run, answering the entry with n.
    void start(const QString &n = QStringLiteral("20"));
    // With SHOOTALOT_TEST_WITH_RESULTS set, the Results window is opened at
    // once and stays open: every test of the main window then runs beside it.
    // Runs what is queued: Activate events and deferred deletes.
    static void settle();

    Form1 &form1() { return program->mainWindow(); }
    Form2 &form2() { return program->helpWindow(); }
    ExperimentState &state() { return form1().state(); }
    // The controls of the windows now loaded; bound afresh at every load.
    Form1Controls &ui() { return form1().controls(); }
    Form2Controls &help() { return form2().controls(); }

    // With the real boxes: the next shot-count box to open is answered by
    // typing n over its text and pressing Return.
    void answerNextBoxByKeys(const QString &n);

    // Clicks a button the way a user would (nothing happens when it is
    // disabled), then settles.
    void click(QPushButton &button);
    // One Timer event, as Timer1 raises it while it runs; nothing when it is off.
    void tick();
    // "1101010": Command1..Command6 enabled, then Timer1 running.
    QString runState();
    // What Init clears but the theory: Label2, 4, 5, 9, 11 and 13.
    QStringList valueCaptions();
    // From now on the dialogs, the sound and the end write to journal; for
    // short runs, since it keeps everything.
    void keepJournal();

    QStringList journal;
    ScriptedRandom scripted;
    MixingRandomGenerator production{12345};
    FixedClock clock;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    ScriptedResultsDialogs resultsDialogs;
    RecordingEnd programEnd;
    FormRuntime runtime{programEnd};
    std::unique_ptr<QtDialogs> realBoxes;
    std::unique_ptr<ShootALot> program;
};
