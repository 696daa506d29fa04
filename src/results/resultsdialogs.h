#pragma once

#include "charts/chartpicture.h"
#include "results/learnerrun.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;

class QWidget;

// Where a picture goes, and as what.
struct PictureTarget
{
    QString path; // empty: the user cancelled
    PictureFormat format = PictureFormat::PngForSlide;

    // From the name the file dialog gave and the kind of file chosen in it:
    // an extension typed by hand (.png, .svg, .pdf) says the format (a PNG
    // keeps the size chosen, if a PNG was); a name without one gets the
    // chosen kind's.
    static PictureTarget from(const QString &path, PictureFormat chosen);
    static QString suffixOf(PictureFormat format);
};

// The dialogs Save needs: the desktop's file dialog and a message when the
// file cannot be written. Tests answer them without showing anything.
class ResultsDialogs
{
public:
    virtual ~ResultsDialogs() = default;
    // The file to save to, or an empty string when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &suggestedName) = 0;
    // The file to save a chart's picture (or all of them, by that name) to
    // and its format; suggestedStem has no extension.
    virtual PictureTarget pictureTarget(QWidget *parent, const QString &title, const QString &suggestedStem) = 0;
    // Whether the files named may be replaced.
    virtual bool confirmReplace(QWidget *parent, const QStringList &paths) = 0;
    // The PDF file to export the handout to, or empty.
    virtual QString saveHandoutName(QWidget *parent, const QString &suggestedName) = 0;
    // The desktop's print preview of the page that paint draws, and its
    // Print; returns once it is closed.
    virtual void printPreview(QWidget *parent, const std::function<void(QPrinter &)> &paint) = 0;
    virtual void tellFailure(QWidget *parent, const QString &message) = 0;

    // The learner's (or group's) name that Save writes into the file,
    // offered as `current`; nothing when the user cancelled.
    virtual std::optional<QString> askLearner(QWidget *parent, const QString &current) = 0;
    // The results files to add to the class (none: cancelled).
    virtual QStringList openResultsFiles(QWidget *parent) = 0;
    // A tally counted by hand, offered at `shots`; nothing when cancelled.
    virtual std::optional<LearnerRun> askTally(QWidget *parent, int shots) = 0;
    // The file to save the class's table to, or empty.
    virtual QString saveClassName(QWidget *parent, const QString &suggestedName) = 0;
};

// The real ones: the desktop's file dialog and a warning box.
class QtResultsDialogs final : public ResultsDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &suggestedName) override;
    PictureTarget pictureTarget(QWidget *parent, const QString &title, const QString &suggestedStem) override;
    bool confirmReplace(QWidget *parent, const QStringList &paths) override;
    QString saveHandoutName(QWidget *parent, const QString &suggestedName) override;
    void printPreview(QWidget *parent, const std::function<void(QPrinter &)> &paint) override;
    void tellFailure(QWidget *parent, const QString &message) override;
    std::optional<QString> askLearner(QWidget *parent, const QString &current) override;
    QStringList openResultsFiles(QWidget *parent) override;
    std::optional<LearnerRun> askTally(QWidget *parent, int shots) override;
    QString saveClassName(QWidget *parent, const QString &suggestedName) override;

private:
    // The kind of picture last chosen, offered first the next time.
    PictureFormat lastPictureFormat_ = PictureFormat::PngForSlide;
};
